#pragma once

#include "notebook.h"
#include "tool_window.h"

namespace vorn::win {

namespace form4 {
class PageDefault;
class PageScript;
class PageNavegador;
class PageBackup;
class PageControle;
class PageBanners;
class PageConversor;
class PageSeriado;
class PageModelos;
class PageExtra;
class PagePainel;
class PageVariaveis;
class PageInstrucoes;
class PageRegistradores;
} // namespace form4

// The script editor window: the page notebook Pan1, switched only by the
// program, and the reference panel Abook1 at the right edge, which shows
// only while the window is wide.
class TForm4 : public ToolWindow {
    Q_OBJECT
public:
    enum Page {
        kDefault,
        kScript,
        kNavegador,
        kBackup,
        kControle,
        kBanners,
        kConversor,
        kSeriado,
        kModelos,
        kExtra,
        kPainel,
        kVariaveis,
    };
    static constexpr int kNarrowWidth = 930;
    static constexpr int kWideWidth = 1185;
    static constexpr int kPanelWidth = 250;
    static constexpr int kHeight = 700;

    explicit TForm4(const PictureStore& store, QWidget* parent = nullptr);

    Notebook* Pan1;
    form4::PageDefault* Default;
    form4::PageScript* Script;
    form4::PageNavegador* Navegador;
    form4::PageBackup* Backup;
    form4::PageControle* Controle;
    form4::PageBanners* Banners;
    form4::PageConversor* Conversor;
    form4::PageSeriado* Seriado;
    form4::PageModelos* Modelos;
    form4::PageExtra* Extra;
    form4::PagePainel* Painel;
    form4::PageVariaveis* Variaveis;

    Notebook* Abook1;
    form4::PageInstrucoes* Instrucoes;
    form4::PageRegistradores* Registradores;

    // The width the editor returns to when shown (the reference panel
    // widens it).
    int workingWidth() const { return m_workingWidth; }
    void setWorkingWidth(int width) { m_workingWidth = width; }

    // The tool window grey, given back each time a navigation button shows
    // the window.
    void setBackground();

protected:
    void layoutPages() override;

private:
    int m_workingWidth = kNarrowWidth;
};

} // namespace vorn::win

#pragma once

#include "notebook.h"
#include "tool_window.h"

namespace vorn::win {

namespace form2 {
class PageDefault;
class PageExtras;
class PageAventuras;
class PageScripts;
class PageGraficos;
class PageObjetos;
class PageParametros;
class PageSons;
class PageArqSom;
class PageAutorizacao;
class PageExclusivo;
class PageInicio;
} // namespace form2

// The edit tools window: a narrow tool window whose notebook Abook holds the
// login, the adventure's lists and parameters, and the special tools.
class TForm2 : public ToolWindow {
    Q_OBJECT
public:
    enum Page {
        kDefault,
        kExtras,
        kAventuras,
        kScripts,
        kGraficos,
        kObjetos,
        kParametros,
        kSons,
        kArqSom,
        kAutorizacao,
        kExclusivo,
        kInicio,
    };
    static constexpr int kWidth = 420;

    explicit TForm2(const PictureStore& store, QWidget* parent = nullptr);

    Notebook* Abook;
    form2::PageDefault* Default;
    form2::PageExtras* Extras;
    form2::PageAventuras* Aventuras;
    form2::PageScripts* Scripts;
    form2::PageGraficos* Graficos;
    form2::PageObjetos* Objetos;
    form2::PageParametros* Parametros;
    form2::PageSons* Sons;
    form2::PageArqSom* ArqSom;
    form2::PageAutorizacao* Autorizacao;
    form2::PageExclusivo* Exclusivo;
    form2::PageInicio* Inicio;

    void LogoClick();

protected:
    void layoutPages() override;
};

} // namespace vorn::win

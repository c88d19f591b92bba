#pragma once

#include "forms.h"
#include "notebook.h"
#include "tool_window.h"

#include <string>
#include <vector>

class QLabel;

namespace vorn {
class RequestLayer;
struct Session;
} // namespace vorn

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
class SoundDeck;
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
    // The access token the updater expects first on its command line is part
    // of updaterParameters(); its file name is fixed.
    static constexpr const char* kUpdater = "atlz.exe";

    explicit TForm2(const PictureStore& store, QWidget* parent = nullptr);
    // Wires the handlers that reach the other windows.
    void attach(const Forms& forms);

    Notebook* Abook;
    // The first screen shows only Inicio: the other pages are made, all at
    // once and wired, when one of them is first reached or turned to.
    OnFirstUse<form2::PageDefault> Default;
    OnFirstUse<form2::PageExtras> Extras;
    OnFirstUse<form2::PageAventuras> Aventuras;
    OnFirstUse<form2::PageScripts> Scripts;
    OnFirstUse<form2::PageGraficos> Graficos;
    OnFirstUse<form2::PageObjetos> Objetos;
    OnFirstUse<form2::PageParametros> Parametros;
    OnFirstUse<form2::PageSons> Sons;
    OnFirstUse<form2::PageArqSom> ArqSom;
    OnFirstUse<form2::PageAutorizacao> Autorizacao;
    OnFirstUse<form2::PageExclusivo> Exclusivo;
    form2::PageInicio* Inicio;

    void LogoClick();

    // Page Default: login, account, update, server profiles.
    void btLogClick();
    void btContaClick();
    void Image14Click();
    void Rb1Click();
    void Rb2Click();
    void ApplyServerProfile(int profile);
    void LoadAdventureList(const std::string& tip);

    // Pages Aventuras and Parametros.
    void Label21Click();
    void Label26Click();
    void Label29Click();
    void Lbx1DblClick();
    void btAvnClick();
    void Label36Click(QLabel* clicked);
    void Image1Click();
    void Image5Click();

    // Page Scripts.
    void Lbx2Click();
    // False when the server gave no script (a refusal or a failed request,
    // shown in Stc): the editor keeps its text, and the session keeps naming
    // the script that text belongs to.
    bool OpenScriptInEditor(const std::string& name);
    void Image3Click();
    void Image4Click();
    void Image2Click();
    void Image6Click();
    void Image8Click();
    void Image9Click();
    void Image7Click();
    void StcClick();

    // Page Exclusivo: the fixed index, the preview's place and the entries
    // of the larger tools.
    void Image17Click();
    void Image27Click();
    void Image19Click();
    void Image11Click();
    void btCnvClick();
    void Image21Click();
    void Image22Click();
    void Image25Click();
    void Image29Click();
    void Image16Click();
    void Image28Click();
    void exportClick();
    void restoreClick();

    // Pages Graficos, ArqSom and Sons: the adventure's pictures and sounds,
    // and the sound library. Deck plays one sound at a time; it is made at
    // the first play unless one was given (setDeck takes it over).
    form2::SoundDeck* Deck = nullptr;
    void setDeck(form2::SoundDeck* deck);
    void File1Click();
    void Image12Click();
    void Image13Click();
    void File2Click();
    void Image20Click();
    void Image18Click();
    void Lbx7Click();
    // Plays a sound of the adventure folder, or a library sound ("$" and
    // its name); what happens is told in status.
    void TocaWave(const std::string& name, QLabel* status);

    // Pages Objetos and Autorizacao.
    void Lbx4Click();
    void btObj1Click();
    void btObj2Click();
    void Image26Click();
    void Image23Click();
    void Lbx10Click();
    void Lbx11Click();
    void Image24Click();

protected:
    void layoutPages() override;

private:
    // Makes the pages behind the placeholders and wires them, once.
    void buildPages();
    void wirePages();
    void giveLooks(QWidget* pages);
    void wireDefault();
    void wireAdventures();
    void wireScripts();
    void wireSpecial();
    void wireExport();
    // True when the author had the references updated.
    bool offerReferenceUpdate(const std::string& from, const std::string& to);
    void wireMedia();
    void wireObjects();
    void wirePermissions();
    // The tools that work on the adventure in edit refuse without one;
    // true when there is one.
    bool adventureInEdit();
    // Widens the editor to its narrow working width and shows page n in
    // front.
    void openEditorTool(int page);
    void postLoginSetUp();
    void showPreviewWhenOn();
    void showEditorPage(int page);
    Session& session();
    RequestLayer& requests();

    Forms m_forms;
    const PictureStore& m_store;
    bool m_pagesBuilt = false;
    bool m_pagesWired = false;
    std::string m_announcedVersion; // the version the service named at login
};

} // namespace vorn::win

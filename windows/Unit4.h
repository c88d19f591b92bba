#pragma once

#include "export_folder.h"
#include "forms.h"
#include "notebook.h"
#include "tool_window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorn {
struct Session;
struct DesignerLine;
} // namespace vorn

class QListWidgetItem;
class QTemporaryDir;

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
class PageAuditoria;
struct ServerClash;
enum class ClashAnswer;
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
        kAuditoria,
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
    form4::PageAuditoria* Auditoria;

    Notebook* Abook1;
    form4::PageInstrucoes* Instrucoes;
    form4::PageRegistradores* Registradores;
    PictureButton* Image14; // "instruções": the reference panel's first page
    QLabel* lbInstrucoes;
    PictureButton* btRegs; // "registradores": its second page
    QLabel* lbRegistradores;

    // On the title bar.
    PictureButton* Image18; // copy
    QLabel* lbCopy;
    PictureButton* Image19; // paste
    QLabel* lbPaste;
    PictureButton* btIns; // the instruction reference in the editor's browser
    QLabel* lbIns;

    // The width the editor returns to when shown (the reference panel
    // widens it).
    int workingWidth() const { return m_workingWidth; }
    void setWorkingWidth(int width) { m_workingWidth = width; }

    // The tool window grey, given back each time a navigation button shows
    // the window.
    void setBackground();

    // The text of Memo3 as cp1252 lines.
    std::vector<std::string> scriptText() const;
    bool hasUnsavedChanges() const;
    // The script whose text Memo3 holds (empty when none was loaded).
    const std::string& loadedScript() const { return m_loadedScript; }
    // The server renamed a script; the text shown follows its new name.
    void scriptRenamed(const std::string& from, const std::string& to) {
        if (m_loadedScript == from) m_loadedScript = to;
    }
    // The script in the editor was renamed, its references perhaps carried
    // along, and stored is its text on the server now. Text without edits
    // becomes stored; edited text keeps the author's edits, with the same
    // references changed only when the author had them changed on the
    // server (referencesFollow). Either way a save compares against stored,
    // so the author's own rename never looks like a co-editor's change.
    void followRename(const std::string& from, const std::string& to,
                      const std::vector<std::string>& stored, bool referencesFollow);

    // Every replacement of the editor's text goes through these: unsaved
    // text is first kept as a numbered local copy of the script it belongs
    // to, so no edit is ever lost. The new text starts unchanged, in black,
    // caret at the start.
    void replaceScriptText(const std::string& script, const std::vector<std::string>& lines);
    void clearScriptText();
    // Keeps unsaved text as a numbered local copy and names it in the
    // status; the path written, or "" when there was nothing new to keep.
    // Text that belongs to no script is kept as kUnnamedCopy, outside any
    // adventure in the program folder.
    std::string keepUnsavedCopy();
    // Before the program ends: unsaved text asks the author to save, discard
    // or stay, and is kept as a copy whatever the answer. True when the
    // program may end.
    enum class CloseAnswer { Save, Discard, Cancel };
    bool settleBeforeClosing();
    // The questions, replaceable so that tests answer them.
    std::function<CloseAnswer(const QString& question)> askClose;
    std::function<form4::ClashAnswer(const form4::ServerClash&)> askClash;
    static constexpr const char* kUnnamedCopy = "sem_nome";
    // Memo5 holds one message line (the last full server reply).
    void showMessage(const std::string& cp1252);

    // Wired by the main window: where copies go and where the session is.
    void attachSession(const Session* session) { m_session = session; }
    // The other windows: the session, the request layer and the preview
    // window of the main window's world, the parameters and script list of
    // the edit tools window.
    void attach(const Forms& forms);

    // A successful login makes the check and the reference usable.
    void enableAfterLogin();

    // The line templates go before (from 0).
    int currentLine() const;
    // The instruction reference page btIns opens: the last one visited in
    // the editor's browser, at first the reference's index.
    std::string referenceAddress() const;

    // Handlers.
    void Memo3CaretSettled(int line);                  // Memo3MouseDown, Memo3KeyUp
    void Memo3KeyPress();                              // the unsaved mark
    void Memo3KeyDown();                               // context help on Ctrl+Alt
    void insertBeforeCurrentLine(const QString& line); // templates and reference
    void SintaxeClick();
    void InstrucsClick();
    void Image14Click();
    void btRegsClick();
    void btInsClick();
    void Image18Click();
    void Image19Click();
    void File1Click();
    void Image2Click();
    void btGrsClick(); // save and preview
    // The save: asks first when a co-editor changed the script on the server
    // since it was opened. True when the server has the editor's text.
    bool storeText();
    void Web2BeforeNavigate2(const QString& address);
    // The screen rectangle designer: Image1 opens it on a "cmd=" line,
    // Image5 and Image3 on an area instruction; the edit tools window's
    // "Script" button puts its line back.
    void Image1Click();
    void Image5Click();
    void Image3Click();
    void putDesignerLineBack();

    // The workshop pages. Opened from the special tools page, the converter
    // lists its adventures and the models page its models.
    void prepareConverter();
    void prepareModels();
    void Lbx2Click(); // Conversor: the adventure's positions
    void Lbx3Click(); // Conversor: the position and its links
    void Image6Click();
    void Image7Click();
    void Image8Click();
    void Image9Click();
    void btSreClick();
    void Lbx4Click();
    void Image11Click(const QObject* button); // Image11 and Image12: the tag chooses

    // The adventure's web page (Painel), its state (the register list and
    // the page Variaveis) and its banners, each opened from the special
    // tools page with an adventure in edit.
    void preparePanel();
    // A new login may be anyone's: the administrator's page list goes until
    // the panel is opened by the administrator again.
    void hideAdministratorPanel();
    void prepareVariables();
    void prepareBanners();
    // Page Auditoria: audits the adventure in edit now; an entry opens its
    // script at its line.
    void prepareAudit();
    void openFinding(QListWidgetItem* item);
    void replaceInAllScripts();
    // Every script of the adventure in edit fetched into scratch, with what
    // the audit and the link map read besides; failed names the scripts
    // that could not be fetched.
    adventure::ExportFolder adventureSnapshot(const QTemporaryDir& scratch,
                                              std::vector<std::string>& failed);
    // Opens a script of the list in the editor, caret on line (from 0).
    void openScriptAt(const std::string& name, int line);
    // Page Extra, the link map: drawn the first time it opens for an
    // adventure, then again only when the author asks ("Atualizar"); a
    // change of the scripts marks it outdated instead.
    void prepareLinkMap();
    void refreshLinkMap();
    void linkMapOutdated();
    bool linkMapBusy() const;
    // The editor's script and the preview's page, marked on the map, and
    // the scripts that lead to the editor's beside its text.
    void showLinkMapMarks();
    // Fetches every script and reads where each leads, without drawing.
    void readLinkGraph();
    // Ctrl+click or F12: opens the script a target names or moves to the
    // label a jump names; Alt+Left goes back, across scripts.
    void followTarget(int position);
    void goBack();
    bool goToScript(const std::string& name);
    // On hover: an instruction's reference line, a target's first lines.
    QString hoverText(int position);
    void loadPanelPage(const std::string& prefix);
    void Lbx9Click();
    void Image10Click();
    void Image15Click(const QObject* button); // Image15 and Image17: the tag steps
    void Image16Click();
    void Ed6KeyPress(QLabel* picture, const QString& name); // Enter in Ed6 or Ed7
    void StiClick();                                        // also a click on Stv
    void Image20Click();
    void Image21Click();
    void btMktClick();
    void refreshRegisters();
    void Lbx7Click();
    // A newly opened adventure starts its register list at the first entry.
    void resetRegisterChoice() { m_register = 0; }
    int registerChoice() const { return m_register; }

protected:
    void layoutPages() override;

private:
    void setText(const std::vector<std::string>& lines);
    void takeServerText(const std::vector<std::string>& theirs);
    void buildTitleTools();
    void buildPanelButtons();
    void connectHandlers();
    void wireConverter();
    void wireSeries();
    void wireModels();
    void wirePanel();
    void wireVariables();
    void wireBanners();
    void wireAudit();
    void wireLinkMap();
    void layOutLinkMap();
    void wireNavigation();
    void rememberPlace();
    void forgetOpenings();
    void showLeadsHere();
    void listBanners();
    void showFileForDevelopment(const char* path);
    void openDesigner(const DesignerLine& read, int line, const std::string& text);

    int m_workingWidth = kNarrowWidth;
    std::string m_loadedScript;
    // The text as last loaded or saved: what "unsaved" is measured against.
    std::vector<std::string> m_baseline;
    // The server's text as the editor last read or stored it: a save finds
    // a co-editor's change against it.
    std::vector<std::string> m_serverText;
    // The text last kept as a copy, so that it is not kept twice.
    std::vector<std::string> m_keptText;
    const Session* m_session = nullptr;
    Session* m_sharedSession = nullptr;
    Forms m_forms;
    std::string m_referenceAddress;
    int m_register = 0; // the register chosen in Lbx7, kept across refreshes
    struct LinkMapState;
    std::shared_ptr<LinkMapState> m_linkMap;
    struct Places;
    std::shared_ptr<Places> m_places;
};

} // namespace vorn::win

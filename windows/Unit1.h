#pragma once

#include "forms.h"
#include "picture_button.h"
#include "picture_store.h"
#include "request_layer.h"
#include "session.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace vorn::win {

// Which navigation buttons the bar shows.
enum class NavState {
    LoggedOut,     // "Principal" and "Páginas"
    LoggedIn,      // and "Suas aventuras"
    AdventureOpen, // and the five buttons of the open adventure
};

// The main window: the frame that covers the screen, its title strip and
// navigation bar, the map area, and everything the windows share: the
// session, the request layer with its light, the picture store.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStripHeight = 54;
    static constexpr int kBottomBand = 30;
    static constexpr const char* kVersion = "0.2c";

    explicit TForm1(QWidget* parent = nullptr); // FormCreate
    ~TForm1() override;                         // FormDestroy
    void attach(const Forms& forms) { m_forms = forms; }

    Session& session() { return m_session; }
    // The two servers the profiles switch between.
    const ServerRoots& roots() const { return m_roots; }
    RequestLayer& requests() { return m_requests; }
    const PictureStore& store() const { return *m_store; }

    // Title strip.
    QLabel* Topo1;
    QLabel* Topo2;
    QLabel* LabTit;
    QLabel* lbVrs;
    QFrame* Led;
    PictureButton* Fim;
    PictureButton* btBtf;

    // Navigation bar.
    PictureButton* Image22;
    QLabel* Label61;
    PictureButton* btWeb;
    QLabel* lbWeb;
    PictureButton* btAdv;
    QLabel* lbAdv;
    PictureButton* btLsp;
    QLabel* lbLsp;
    PictureButton* btObj;
    QLabel* lbObj;
    PictureButton* btImg;
    QLabel* lbImg;
    PictureButton* btSnd;
    QLabel* lbSnd;
    PictureButton* btPrm;
    QLabel* lbPrm;

    // Map area.
    QScrollArea* Sb1;
    QLabel* Fundo;
    QLabel* Mapa;
    QLabel* Qdr;

    bool FirstActivation = true;

    void FormActivate();
    void FimMouseDown();
    void FimMouseUp();
    void btBtfMouseDown();
    void btBtfMouseUp();

    void Image22Click();
    void btWebClick();
    void btAdvClick();
    void btLspClick();
    void btObjClick();
    void btImgClick();
    void btSndClick();
    void btPrmClick();

    void ShowNavigation(NavState state);
    // The map maker's surface: Mapa becomes a 2200 x 1600 silver picture
    // whose silver is transparent, and the map area shows.
    static constexpr int kMapWidth = 2200;
    static constexpr int kMapHeight = 1600;
    void prepareMapArea();
    // Shows a map picture in Mapa; its transparent pixels let Fundo show.
    void showMapPicture(const QImage& picture);
    // The map view's mouse, in map pixels: the stamp follows the mouse while
    // a tile is picked, a click on the stamp places it, a click on the map
    // opens the cell in the map maker.
    void MapaMouseMove(int x, int y);
    void MapaMouseDown(int x, int y);
    void QdrMouseDown();
    void showLight(Light colour);
    std::string configPath() const;

    // Server list loaders: each fills a list of another window from one
    // request. A refusal leaves the plain lists empty and the object panels
    // and the players grid as they were.
    enum ImageListTarget { kToolsImages, kBannerImages };
    void LoadScriptList();
    void LoadObjectList();
    void LoadImageFileList(ImageListTarget target = kToolsImages);
    void LoadSoundFileList();
    void LoadSoundLibrary(const std::string& category);
    void LoadObjectDetail(); // the entry selected in the object list
    void LoadPlayerList();

    // What ending the program does; the tests keep the application alive.
    void setQuitAction(std::function<void()> quit) { m_quit = std::move(quit); }

    // The main window's share of a successful login: the editor's
    // instruction help and syntax check become usable.
    void postLoginSetUp();

    // Opens a file with its parameter text, or an address in the system's
    // browser. Answers whether it could be started. The tests record
    // instead of starting anything.
    using ShellOpener = std::function<bool(const QString& file, const QString& parameters)>;
    bool ShellOpen(const QString& file, const QString& parameters);
    void setShellOpener(ShellOpener opener) { m_shellOpen = std::move(opener); }

    // Ends the program, first asking about unsaved editor text (kept as a
    // local copy whatever the answer). When the author stays, or that copy
    // cannot be written, the program stays, so the author can still save.
    void endProgram();
    // The same in two steps, for an end that starts something first: true
    // when the program may end; then endNow() ends it without asking again.
    bool readyToEnd() { return keepEditorText(); }
    void endNow();

    // The address of the official pages' index page below UrlSite.
    static constexpr const char* kOfficialPages = "vornpq/index.htm";

signals:
    void firstPainted();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildStrip();
    void buildNavigation();
    void buildMapArea();
    void layoutFrame(); // the strip and the map area, to the window's size
    PictureButton* navButton(const char* name, QLabel*& label, const char* labelName,
                             const QString& caption, int left);
    void pump();
    void applyConfig();
    void showToolsPage(int index);

    bool keepEditorText();

    ServerRoots m_roots;
    Session m_session;
    RequestLayer m_requests;
    PictureStore* m_store;
    Forms m_forms;
    std::function<void()> m_quit;
    ShellOpener m_shellOpen;
    bool m_textKept = true; // the last end's copy of unsaved text was written
    bool m_ending = false;  // the program's end is on its way
    bool m_painted = false;
    bool m_shownOnce = false;
};

} // namespace vorn::win

#pragma once

#include "forms.h"
#include "notebook.h"
#include "tool_window.h"

#include <QLabel>

#include <memory>
#include <string>

namespace vorn::map {
class MapEditor;
}

namespace vorn::win {

namespace form6 {
class PageGraficos;
class PageImagens;
class PagePosicoes;
class PageCompilacao;
} // namespace form6

// The map maker window: the tile palette, the position editor and the
// compile page. The map itself is drawn in the main window's map area;
// this window holds the open map and changes it.
class TForm6 : public ToolWindow {
    Q_OBJECT
public:
    enum Page { kGraficos, kImagens, kPosicoes, kCompilacao };
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 640;
    static constexpr int kRightMargin = 30;

    explicit TForm6(const PictureStore& store, QWidget* parent = nullptr);
    ~TForm6() override;
    void attach(const Forms& forms) { m_forms = forms; }

    Notebook* Abook;
    form6::PageGraficos* Graficos;
    form6::PageImagens* Imagens;
    form6::PagePosicoes* Posicoes;
    form6::PageCompilacao* Compilacao;
    // Title strip buttons: the palette and the position editor.
    PictureButton* Image17;
    QLabel* Label17;
    PictureButton* Image1;
    QLabel* Label1;

    // Opens the map of the adventure folder and shows it in the main
    // window's map area.
    void OpenMap(const std::string& dirAdv);
    // Forgets the open map (another adventure was chosen).
    void closeMap();
    bool mapOpen() const { return m_editor != nullptr; }
    const map::MapEditor* editor() const { return m_editor.get(); }
    int selectedCell() const { return m_selected; }

    // A tile is picked for stamping while the marker shows.
    bool tilePicked() const;
    int pickedTile() const;

    void Image17Click();
    void Image1Click();
    void TileClick(int code); // pick a tile
    void Shp1Click();         // give the pick up
    void ImgClick();
    // Shows cell index on the position editor (and draws it again).
    void ShowCell(int index);
    // Stamps the picked tile into a cell; the pick is used up.
    void PlaceTile(int index);
    void Image2Click(); // update the selected cell
    void Image3Click(); // delete it
    void Image5Click(); // the compile page
    void Edit1Enter();  // the background
    void Image4Click(); // compile

protected:
    void layoutPages() override;

private:
    void connectHandlers();
    void showMap();
    void showBackground();
    map::MapEditor& editorOrThrow();

    Forms m_forms;
    std::unique_ptr<map::MapEditor> m_editor;
    std::string m_dirAdv;
    int m_selected = 0;
};

} // namespace vorn::win

#pragma once

#include "picture_button.h"
#include "picture_store.h"

#include <QLabel>
#include <QWidget>

namespace vorn::win {

class WindowDragger;

// The frame every tool window shares: borderless and always on top, a title
// strip Barra with the title lbTit that drags the window, the vertical lock
// Tic and the close picture BtFch, which only hides the window.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBarHeight = 22;
    static constexpr int kLockedTop = 51;

    ToolWindow(const PictureStore& store, const QString& title, QWidget* parent = nullptr);

    QLabel* Barra;
    QLabel* lbTit;
    PictureButton* Tic;
    PictureButton* BtFch;

    bool VerticalLock() const { return m_verticalLock; }
    void TicMouseDown();
    void BtFchClick();

    // Gives a small picture button the shared small looks.
    void smallLooks(PictureButton* button) const;
    const PictureStore& store() const { return m_store; }
    WindowDragger* dragger() const { return m_dragger; }

    // Lays out the frame and the pages for the current size; a hidden
    // window gets no resize event until it is shown.
    void relayout();

protected:
    virtual void layoutPages() {}
    void resizeEvent(QResizeEvent* event) override;

private:
    const PictureStore& m_store;
    WindowDragger* m_dragger;
    bool m_verticalLock = true;
};

} // namespace vorn::win

#pragma once

#include "forms.h"
#include "web_holder.h"
#include "window_drag.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QWidget>

namespace vorn::win {

// The preview window: the page the service makes of the current script,
// inside a frame whose outline is the frame picture's and whose face takes
// the adventure's colour.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 940;
    static constexpr int kHeight = 480;

    explicit TForm3(QWidget* parent = nullptr); // FormCreate

    QLabel* Imp;
    QWidget* WebFnd;
    QFrame* Pan2;
    WebHolder* Web;

    // Gives the window the frame picture's size and outline; the picture is
    // made on the first show.
    void ShapeWindowFromPicture();
    // The frame's face; white until an adventure is opened.
    void setFrameColour(const QColor& colour);
    QColor frameColour() const;

    WindowDragger* dragger() const { return m_dragger; }

    // The script list and the editor that follow the game.
    void attach(const Forms& forms) { m_forms = forms; }
    // The browser is about to open address: the editor follows to the
    // script of the page reached. Runs after the browser's own callback.
    void WebBeforeNavigate2(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;

private:
    WindowDragger* m_dragger;
    Forms m_forms;
};

} // namespace vorn::win

#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace vorn::win {

// The main window's hidden pictures that every window borrows for its
// buttons' looks and its lock's two states. Never shown.
class PictureStore : public QWidget {
    Q_OBJECT
public:
    explicit PictureStore(QWidget* parent);

    QLabel* btDw; // 20 x 14, Fim and btBtf
    QLabel* btUp;
    QLabel* btDw1; // 30 x 21, buttons of the special tools page
    QLabel* btUp1;
    QLabel* btDw2; // 20 x 38, large buttons of the edit tools window
    QLabel* btUp2;
    QLabel* btDw3; // 20 x 14, navigation and small tool window buttons
    QLabel* btUp3;
    QLabel* Tic1; // 14 x 14, vertical lock off
    QLabel* Tic2; // vertical lock on

    static QPixmap picture(const QLabel* label) { return label->pixmap(); }

private:
    QLabel* add(const char* name, const QString& svg, QSize size);
};

} // namespace vorn::win

#pragma once

#include "picture_button.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRect>
#include <QString>

// Small builders for the edit tools window's pages. Every control that a
// handler reads or writes gets its name as object name, so the pages can be
// driven by name; captions without a role pass a null name.
namespace vorn::win::form2 {

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y);
ClickLabel* clickLabel(QWidget* parent, const char* name, const QString& text, int x, int y);
// A label with a fixed box whose text wraps.
QLabel* wrapLabel(QWidget* parent, const char* name, const QString& text, QRect box);
// The maroon "Status..." label of a page.
QLabel* statusLabel(QWidget* parent, const char* name, QRect box);
QLineEdit* field(QWidget* parent, const char* name, QRect box, int maxLength = 32767);
QListWidget* list(QWidget* parent, const char* name, QRect box, bool sorted);
// The edit tools window gives these their looks: the tall ones take the
// large round button pictures, the others the small ones.
PictureButton* largeButton(QWidget* parent, const char* name, int x, int y);
PictureButton* smallButton(QWidget* parent, const char* name, int x, int y);
// The 30 x 21 buttons of the special tools page.
PictureButton* toolButton(QWidget* parent, const char* name, int x, int y);

} // namespace vorn::win::form2

namespace vorn::win::form2 {

// Tells when Return or Enter is pressed in a widget; owned by the widget.
class EnterKey : public QObject {
    Q_OBJECT
public:
    explicit EnterKey(QWidget* watched);

signals:
    void pressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Fills a local file list with the file names of a folder (UTF-8 path),
// sorted; an empty or missing folder gives an empty list. A mask such as
// "*.png;*.gif" keeps the names it matches, in any case.
void listFolder(QListWidget* files, const QString& folder, const QString& mask = {});

} // namespace vorn::win::form2

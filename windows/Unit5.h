#pragma once

#include "web_holder.h"

#include <QFrame>
#include <QWidget>

namespace vorn::win {

// The QR window: a small panel whose browser shows only the middle of the
// page, the QR picture, without margins or scroll bars.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 150;

    explicit TForm5(QWidget* parent = nullptr); // FormCreate

    QFrame* Panel1;
    WebHolder* Web;
};

} // namespace vorn::win

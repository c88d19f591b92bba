#pragma once

#include <QFrame>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <string>

namespace vorn::win {

// The QR window: a small panel that shows only the middle of a QR page, the
// picture, without margins. The picture is drawn here from the address a
// phone is to open, the way the chart page would draw it.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 150;
    static constexpr int kQrSide = 160;

    explicit TForm5(QWidget* parent = nullptr); // FormCreate

    QFrame* Panel1;
    QFrame* Web; // the page area, 190 x 190 at -20, -20 inside the panel
    QLabel* Qr;  // the picture, centred on the page

    // Draws the QR code of a page address (cp1252). Throws Error when the
    // address cannot be encoded; the window keeps its old picture then.
    void showAddress(const std::string& address);
    // The address the picture encodes; empty until one was shown.
    QString address() const { return m_address; }

private:
    QString m_address;
};

} // namespace vorn::win

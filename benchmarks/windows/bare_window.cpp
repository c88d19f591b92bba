// The least a Qt Widgets program does to show a borderless window over the
// screen: prints the milliseconds from main() to its first paint and ends.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class Bare : public QWidget {
public:
    explicit Bare(const QElapsedTimer& clock)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
        , m_clock(clock) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        if (m_done) return;
        m_done = true;
        std::fprintf(stderr, "startup-ms %lld\n", static_cast<long long>(m_clock.elapsed()));
        QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    }

private:
    const QElapsedTimer& m_clock;
    bool m_done = false;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    Bare window(clock);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.setGeometry(0, 0, screen.width(), screen.height() - 30);
    window.show();
    return app.exec();
}

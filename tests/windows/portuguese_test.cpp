// The toolkit's own dialogs speak Portuguese: the folder chooser of the
// export and the standard buttons of a message box.
#include "window_test_main.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

QStringList buttonTexts(const QWidget* dialog) {
    QStringList texts;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        if (!button->text().isEmpty()) texts << button->text().remove(QLatin1Char('&'));
    return texts;
}

} // namespace

class PortugueseTest : public QObject {
    Q_OBJECT
private slots:
    void folderChooserSpeaksPortuguese() {
        QFileDialog dialog(nullptr, QStringLiteral("Exportar para"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.show();
        const QStringList buttons = buttonTexts(&dialog);
        QVERIFY2(buttons.contains(QStringLiteral("Cancelar")), qPrintable(buttons.join(u'|')));
        QVERIFY2(!buttons.contains(QStringLiteral("Cancel")), qPrintable(buttons.join(u'|')));
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text().remove(QLatin1Char('&'));
        QVERIFY2(!labels.contains(QStringLiteral("Look in:")), qPrintable(labels.join(u'|')));
    }

    void standardButtonsSpeakPortuguese() {
        QMessageBox box(QMessageBox::Question, QStringLiteral("VORNscript"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Cancelar"));
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')),
                 QStringLiteral("Sim"));
    }
};

VORN_WINDOW_TEST_MAIN(PortugueseTest)
#include "portuguese_test.moc"

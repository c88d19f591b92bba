// Playing sounds: the adventure's own from page ArqSom and the shared
// library's from page Sons, on the window's one deck.
#include "Unit2.h"
#include "error.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_sons.h"
#include "form2_pages/sound_deck.h"
#include "media.h"
#include "qt_text.h"
#include "session.h"

namespace vorn::win {

void TForm2::setDeck(form2::SoundDeck* deck) {
    delete Deck;
    Deck = deck;
    Deck->setParent(this);
}

void TForm2::Lbx7Click() {
    const QListWidgetItem* item = Sons->Lbx7->currentItem();
    if (item) TocaWave("$" + bytes(item->text()), Sons->status());
}

void TForm2::File2Click() {
    const QListWidgetItem* item = ArqSom->File2->currentItem();
    if (item) TocaWave(bytes(item->text()), ArqSom->Label90);
}

void TForm2::TocaWave(const std::string& name, QLabel* status) {
    if (name.empty()) return;
    if (session().DirAdv.empty()) {
        status->setText(QStringLiteral("Não tem aventura em edição!!!"));
        return;
    }
    const std::string file = soundFileName(name).file;
    std::string path;
    try {
        path = fetchSoundToPlay(requests(), session(), name);
    } catch (const Error& e) {
        status->setText(uiMessage(e.what()));
        return;
    }
    if (path.empty()) {
        status->setText(QStringLiteral("Som não encontrado: %1").arg(ui(file)));
        return;
    }
    if (!Deck) setDeck(new form2::MediaDeck);
    // Problems of this file belong to the page that played it.
    disconnect(Deck, &form2::SoundDeck::failed, nullptr, nullptr);
    connect(Deck, &form2::SoundDeck::failed, status,
            [status](const QString& message) { status->setText(message); });
    status->setText(QStringLiteral("Tocando %1...").arg(ui(file)));
    Deck->play(QString::fromStdString(path));
}

} // namespace vorn::win

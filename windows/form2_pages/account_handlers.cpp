// The edit tools window's page Default: login and its set-up, account
// creation, the update notice and the server profiles.
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "account.h"
#include "address.h"
#include "error_report.h"
#include "files.h"
#include "form2_pages/page_arqsom.h"
#include "form2_pages/page_aventuras.h"
#include "form2_pages/page_default.h"
#include "form2_pages/page_exclusivo.h"
#include "form2_pages/page_extras.h"
#include "form2_pages/page_graficos.h"
#include "form2_pages/page_parametros.h"
#include "qt_text.h"
#include "sorted_list.h"
#include "transfers.h"

#include <QCoreApplication>
#include <QThread>

namespace vorn::win {
namespace {

void pumpOnce() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The captions name a server by its host.
QString provider(const std::string& root) {
    return ui(addressHost(root));
}

} // namespace

void TForm2::wireDefault() {
    form2::PageDefault* d = Default;
    onSignal(d->btLog, &PictureButton::clicked, this, [this] { btLogClick(); });
    onSignal(d->XSen, &QLineEdit::returnPressed, this, [this] { btLogClick(); });
    onSignal(d->btConta, &PictureButton::clicked, this, [this] { btContaClick(); });
    onSignal(d->Image14, &PictureButton::clicked, this, [this] { Image14Click(); });

    form2::PageExclusivo* x = Exclusivo;
    const ServerRoots& roots = m_forms.Form1->roots();
    x->Rb1->setText(QStringLiteral("Servidor ") + provider(roots.alternate));
    x->Rb2->setText(QStringLiteral("Servidor ") + provider(roots.primary));
    x->Lbt->setText(QStringLiteral("Transfere a aventura atual para ") + provider(roots.alternate));
    onSignal(x->Rb1, &QRadioButton::clicked, this, [this] { Rb1Click(); });
    onSignal(x->Rb2, &QRadioButton::clicked, this, [this] { Rb2Click(); });
}

void TForm2::btLogClick() {
    form2::PageDefault* d = Default;
    d->Sta->clear();
    d->Sta->repaint();
    if (d->XLog->text().isEmpty()) {
        d->Sta->setText(QStringLiteral("Informe seu login no PQ..."));
        return;
    }
    if (d->XSen->text().isEmpty()) {
        d->Sta->setText(QStringLiteral("Informe sua senha no PQ..."));
        return;
    }
    const LoginOutcome outcome =
        logIn(requests(), session(), bytes(d->XLog->text()), bytes(d->XSen->text()));
    if (!outcome.ok) {
        d->Sta->setText(ui(outcome.status));
        return;
    }
    Exclusivo->edIdx->setText(ui(outcome.fixedIndexShown));
    if (m_forms.Form4.made()) m_forms.Form4->hideAdministratorPanel();
    postLoginSetUp();
    LoadAdventureList({});
    m_forms.Form1->ShowNavigation(NavState::LoggedIn);

    if (FetchServerVersion(requests(), session(), TForm1::kVersion, &m_announcedVersion)) {
        pumpOnce();
        d->PanVrs->show();
        Abook->setPageIndex(kDefault);
    } else {
        Abook->setPageIndex(kAventuras);
    }
}

void TForm2::postLoginSetUp() {
    Parametros->Pan1->show();
    m_forms.Form1->postLoginSetUp();
    Exclusivo->Rb2->setChecked(true);
    ApplyServerProfile(1);
    Graficos->Label40->setText(QStringLiteral("Upload do(s) arquivo(s)..."));
    Graficos->Label40->adjustSize();
    ArqSom->Label89->setText(QStringLiteral("Upload do(s) arquivo(s)..."));
    ArqSom->Label89->adjustSize();
    Graficos->File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ArqSom->File2->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void TForm2::LoadAdventureList(const std::string& tip) {
    QListWidget* list = Aventuras->Lbx1;
    list->clear();
    const AdventureList loaded = vorn::LoadAdventureList(requests(), session(), tip);
    if (!loaded.ok) {
        Extras->Memo1->setPlainText(ui(loaded.refusal));
        Extras->Memo1->show();
        return;
    }
    for (const std::string& name : loaded.names)
        addListItem(list, ui(name));
}

void TForm2::btContaClick() {
    form2::PageDefault* d = Default;
    if (d->Edit14->text().isEmpty()) {
        d->Sty->setText(QStringLiteral("Defina um apelido para ser seu login!!!"));
        return;
    }
    if (d->Edit15->text().isEmpty()) {
        d->Sty->setText(QStringLiteral("Defina uma senha!!!"));
        return;
    }
    if (d->Edit16->text().isEmpty()) {
        d->Sty->setText(QStringLiteral("Registre um e-mail válido!!!"));
        return;
    }
    d->Sty->setText(ui(createAccount(requests(), session(), bytes(d->Edit14->text()),
                                     bytes(d->Edit15->text()), bytes(d->Edit16->text()))));
}

void TForm2::Image14Click() {
    QLabel* status = Default->Std;
    status->setText(QStringLiteral("Baixando..."));
    status->repaint();
    pumpOnce();
    const Session& s = session();
    const std::string updater = s.DirApp + kUpdater;
    if (!fileExists(updater) && DownloadProgramFile(requests(), s, kUpdater)) {
        status->setText(QStringLiteral("Ok"));
        pumpOnce();
        QThread::msleep(300);
    }
    // An updater made for another system cannot start here, and ending the
    // program for it would only close the author's work: this system's
    // package manager updates the program instead.
    const QString byPackage =
        QStringLiteral("A versão %1 já existe. Neste sistema o VORNscript é atualizado pelo "
                       "gerenciador de pacotes (pacote vornscript).")
            .arg(ui(m_announcedVersion));
    if (!makeRunnableHere(updater)) {
        status->setText(byPackage);
        return;
    }
    // The updater replaces this program: unsaved text is settled before it
    // starts, so that staying to save it does not leave both running.
    if (!m_forms.Form1->readyToEnd()) {
        status->setText(QStringLiteral("Atualização cancelada: o texto continua no editor."));
        return;
    }
    if (!m_forms.Form1->ShellOpen(QString::fromUtf8(updater), ui(updaterParameters(s)))) {
        status->setText(QStringLiteral("O atualizador não pôde ser iniciado. ") + byPackage);
        return;
    }
    pumpOnce();
    m_forms.Form1->endNow();
}

void TForm2::Rb1Click() {
    ApplyServerProfile(0);
}

void TForm2::Rb2Click() {
    ApplyServerProfile(1);
}

void TForm2::ApplyServerProfile(int profile) {
    Session& s = session();
    const ServerRoots& roots = m_forms.Form1->roots();
    const std::string& server = profile == 0 ? roots.alternate : roots.primary;
    const std::string& other = profile == 0 ? roots.primary : roots.alternate;
    s.UrlScp = wbetzOf(server);
    s.UrlHtm = quorbelOf(server);
    Exclusivo->Lbt->setText(QStringLiteral("Transfere a aventura atual para ") + provider(other));
    Exclusivo->btTrj->setProperty("Tag", profile);

    LoadAdventureList({});

    m_forms.Form3->hide();
    m_forms.Form4->hide();
    m_forms.Form5->hide();
    m_forms.Form6->hide();
    m_forms.Form1->ShowNavigation(s.SesLogin.empty() ? NavState::LoggedOut : NavState::LoggedIn);
    s.SesScp.clear();
    s.SesPfx.clear();
    Exclusivo->Panel1->show();
}

} // namespace vorn::win

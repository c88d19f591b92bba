#include "secret_store.h"

#include "error.h"
#include "qt_text.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace vorn::win {
namespace {

QString service() {
    return QString::fromLatin1(kSecretService);
}

} // namespace

QString secretKey(const std::string& login, const std::string& server) {
    return ui(login) + QLatin1Char('@') + ui(server);
}

SecretStore::Outcome SecretStore::run(QKeychain::Job* job, QString* text) {
    if (!m_answering) {
        delete job; // never started
        return Outcome::Failed;
    }
    // A job the wait gave up on still finishes and deletes itself later;
    // the connection dies with the loop, so nothing here is touched then.
    job->setAutoDelete(true);
    QEventLoop loop;
    bool finished = false;
    QKeychain::Error error = QKeychain::NoError;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* done) {
        finished = true;
        error = done->error();
        if (text && error == QKeychain::NoError)
            if (auto* reading = qobject_cast<QKeychain::ReadPasswordJob*>(done))
                *text = reading->textData();
        loop.quit();
    });
    QTimer::singleShot(m_wait, &loop, &QEventLoop::quit);
    job->start();
    // The author's clicks wait until the store has answered.
    if (!finished) loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (finished && error == QKeychain::NoError) return Outcome::Done;
    if (finished && error == QKeychain::EntryNotFound) return Outcome::NotFound;
    m_answering = false;
    return Outcome::Failed;
}

std::optional<std::string> SecretStore::read(const QString& key) {
    auto* job = new QKeychain::ReadPasswordJob(service());
    job->setKey(key);
    QString text;
    switch (run(job, &text)) {
    case Outcome::Done:
        return bytes(text);
    case Outcome::NotFound:
        return std::string();
    case Outcome::Failed:
        break;
    }
    return std::nullopt;
}

bool SecretStore::write(const QString& key, const std::string& password) {
    auto* job = new QKeychain::WritePasswordJob(service());
    job->setKey(key);
    job->setTextData(ui(password));
    return run(job) == Outcome::Done;
}

bool SecretStore::remove(const QString& key) {
    auto* job = new QKeychain::DeletePasswordJob(service());
    job->setKey(key);
    return run(job) != Outcome::Failed;
}

std::string recallPassword(SecretStore& store, const ConfigRead& read, const std::string& server) {
    const std::string line = read.senha.value_or(std::string());
    if (!line.empty() || !read.login || read.login->empty()) return line;
    return store.read(secretKey(*read.login, server)).value_or(std::string());
}

void rememberPassword(SecretStore& store, Config& config, const std::string& server,
                      const std::string& earlierLogin) {
    if (!config.login.empty()) {
        const QString key = secretKey(config.login, server);
        if (config.senha.empty())
            store.remove(key);
        else if (store.write(key, config.senha))
            config.senha.clear();
    }
    if (!earlierLogin.empty() && earlierLogin != config.login)
        store.remove(secretKey(earlierLogin, server));
}

std::string rememberedLogin(const std::string& path) {
    try {
        const auto read = readConfig(path);
        return read && read->login ? *read->login : std::string();
    } catch (const Error&) {
        // An unreadable earlier file names no entry; the new file is still written.
        return {};
    }
}

} // namespace vorn::win

#include "server.h"

#include "db/schema.h"
#include "demo/seed.h"
#include "http/buffer_stream.h"
#include "pages/exescp.h"
#include "pages/instructions.h"
#include "routes/routes.h"

#include <error.h>
#include <files.h>

#include <algorithm>
#include <cstdio>

namespace pequenia {

namespace {

std::string contentTypeOf(const std::string& name) {
    const auto dot = name.rfind('.');
    std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "png") return "image/png";
    if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
    if (ext == "gif") return "image/gif";
    if (ext == "bmp") return "image/bmp";
    if (ext == "ogg") return "audio/ogg";
    if (ext == "mp3") return "audio/mpeg";
    if (ext == "wav") return "audio/wav";
    if (ext == "mid") return "audio/midi";
    if (ext == "txt") return "text/plain; charset=windows-1252";
    if (ext == "htm" || ext == "html") return "text/html; charset=windows-1252";
    return "application/octet-stream";
}

std::string cleanHost(const std::string& host) {
    const bool good =
        !host.empty() && host.size() < 100 && std::all_of(host.begin(), host.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == ':' ||
                   c == '-' || c == '[' || c == ']';
        });
    return good ? host : std::string();
}

Request toRequest(const httplib::Request& in, std::string script) {
    Request r;
    r.method = in.method;
    r.script = std::move(script);
    r.query = parseQuery(queryOf(in.target));
    r.remote = in.remote_addr;
    r.host = cleanHost(in.get_header_value("Host"));
    for (const auto& [name, part] : in.files) {
        if (name == "Img" && !part.filename.empty())
            r.upload = Upload{part.filename, part.content};
        else if (part.filename.empty())
            r.fields[name] = part.content;
    }
    if (in.get_header_value("Content-Type").rfind("application/x-www-form-urlencoded", 0) == 0)
        for (auto& [k, v] : parseQuery(in.body))
            r.fields[k] = v;
    return r;
}

void send(httplib::Response& res, const Reply& reply) {
    res.status = reply.status;
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("Cache-Control", "no-store");
    if (!reply.location.empty()) res.set_header("Location", reply.location);
    res.set_content(reply.body, reply.contentType.c_str());
}

// Serves a published file; the path was built from checked names only, and
// a link must not lead out of the published folder (to the database, say).
void sendFile(httplib::Response& res, const std::string& path, const std::string& name,
              const std::string& root) {
    if (!vorn::fileExists(path) || !liesInside(path, root)) {
        res.status = 404;
        res.set_content("Arquivo n\xE3o encontrado.", "text/plain; charset=windows-1252");
        return;
    }
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_content(vorn::readFile(path), contentTypeOf(name).c_str());
}

// Runs a route, turning a bad name or any fault into a refusal, never a crash.
template <class F> httplib::Server::Handler guarded(F f) {
    return [f](const httplib::Request& req, httplib::Response& res) {
        try {
            f(req, res);
        } catch (const std::exception& e) {
            res.status = 400;
            res.set_content(std::string("Requisi\xE7\xE3o inv\xE1lida!!!"),
                            "text/plain; charset=windows-1252");
        }
    };
}

} // namespace

Service::Service(const Options& options)
    : m_options(options)
    , m_dir(options.dataDir)
    , m_logins(options.loginLimit)
    , m_newPlayers(options.playerQuota)
    , m_front(
          [this](const std::string& head, const std::string& body, const Front::Peer& peer,
                 bool last) {
              BufferStream stream(head, body, peer.ip, peer.port);
              serve(stream, last);
              return std::move(stream.out());
          },
          [] {
              FrontLimits limits;
              limits.request.maxBody = kMaxBody;
              return limits;
          }()) {
    ensureFolder(m_dir.root());
    m_dir.prepare();
    // A write cut short by a crash leaves its temporary file; the file it
    // would have replaced is intact, so the leftover only goes.
    removeUnfinishedWrites(m_dir);
    m_store = std::make_unique<db::Store>(m_dir.database());
    m_store->with([&](db::Database& db) {
        db::createSchema(db);
        if (m_options.demo && db::isEmpty(db)) seedDemo(db, m_dir);
    });
    m_ctx = std::make_unique<Context>(
        Context{m_options, m_dir, *m_store, m_passwords, m_logins, m_newAccounts, m_newPlayers});
    installRoutes();
}

void Service::installRoutes() {
    Context& ctx = *m_ctx;
    // The front has read each request within its bounds already; these
    // only guard the stream entry when it is driven directly.
    m_http.set_payload_max_length(kMaxBody);
    m_http.set_keep_alive_max_count(100);
    m_http.set_keep_alive_timeout(10);

    const auto script = [&ctx](const httplib::Request& req, httplib::Response& res) {
        send(res, dispatch(ctx, toRequest(req, req.matches[1])));
    };
    m_http.Get(R"(/vornpq/wbetz/([A-Za-z0-9_]+)\.php)", guarded(script));
    m_http.Post(R"(/vornpq/wbetz/([A-Za-z0-9_]+)\.php)", guarded(script));

    // Instruction reference pages: "<name>.htm" below the account server.
    // A "?" in the name starts the query and a "#" the fragment, so both are
    // also recognised when the browser did not escape them.
    m_http.Get(R"(/vornpq/wbetz/([^/]+))",
               guarded([](const httplib::Request& req, httplib::Response& res) {
                   std::string name = req.matches[1];
                   const std::string_view query = queryOf(req.target);
                   if (name.size() > 4 && name.compare(name.size() - 4, 4, ".htm") == 0)
                       name.resize(name.size() - 4);
                   else if (query == ".htm")
                       name += "?";
                   auto reply = referencePage(name);
                   if (reply.status == 404) {
                       auto withHash = referencePage(name + "#");
                       if (withHash.status == 200) reply = withHash;
                   }
                   send(res, reply);
               }));

    m_http.Get("/html/quorbel/exescp.php",
               guarded([&ctx](const httplib::Request& req, httplib::Response& res) {
                   send(res, scriptPage(ctx, toRequest(req, "exescp")));
               }));
    m_http.Get("/html/quorbel/inicio.php",
               guarded([&ctx](const httplib::Request& req, httplib::Response& res) {
                   send(res, startPage(ctx, toRequest(req, "inicio")));
               }));
    m_http.Get(R"(/html/quorbel/pags/instrucs/(index\.htm)?)",
               guarded([](const httplib::Request&, httplib::Response& res) {
                   send(res, referenceIndex());
               }));
    m_http.Get(R"(/html/quorbel/pags/sons/([^/]+))",
               guarded([this](const httplib::Request& req, httplib::Response& res) {
                   sendFile(res, m_dir.soundFile(req.matches[1].str()), req.matches[1],
                            m_dir.root() + "html/");
               }));
    m_http.Get(R"(/html/quorbel/([^/]+)/([^/]+))",
               guarded([this](const httplib::Request& req, httplib::Response& res) {
                   const std::string prefix = req.matches[1], file = req.matches[2];
                   if (file.rfind(prefix + "-", 0) != 0) throw vorn::Error("not a stored name");
                   sendFile(res, m_dir.adventureFile(prefix, file.substr(prefix.size() + 1)), file,
                            m_dir.root() + "html/");
               }));
    m_http.Get(R"(/vornpq/arqs/([^/]+))",
               guarded([this](const httplib::Request& req, httplib::Response& res) {
                   sendFile(res, m_dir.sharedFile(req.matches[1].str()), req.matches[1],
                            m_dir.root() + "vornpq/");
               }));
    m_http.Get(R"(/vornpq/([^/]+))",
               guarded([this](const httplib::Request& req, httplib::Response& res) {
                   const std::string name = req.matches[1];
                   const std::string path = m_dir.programFile(name);
                   if (name == "index.htm" && !vorn::fileExists(path))
                       send(res, officialIndex());
                   else
                       sendFile(res, path, name, m_dir.root() + "vornpq/");
               }));
    m_http.Get("/", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/vornpq/index.htm");
    });

    m_http.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (!res.body.empty()) return;
        if (res.status == 413)
            res.set_content("Requisi\xE7\xE3o grande demais (limite de 16 MiB)!!!",
                            "text/plain; charset=windows-1252");
        else if (res.status == 404)
            res.set_content("N\xE3o encontrado.", "text/plain; charset=windows-1252");
        else
            res.set_content("Requisi\xE7\xE3o inv\xE1lida!!!", "text/plain; charset=windows-1252");
    });
    // One line per request; the query, which carries the password, is never
    // written.
    if (m_options.quiet) return;
    m_http.set_logger([](const httplib::Request& req, const httplib::Response& res) {
        const auto slash = req.path.rfind('/');
        std::string name = slash == std::string::npos ? req.path : req.path.substr(slash + 1);
        for (char& c : name)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
                c = '?';
        if (name.size() > 60) name.resize(60);
        // One write per line: the unbuffered error stream would otherwise
        // make a system call of every piece.
        const std::string line = req.method + " " + (name.empty() ? "/" : name) + " " +
                                 std::to_string(res.status) + " " +
                                 std::to_string(res.body.size()) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
    });
}

int Service::bind() {
    const int port = m_front.bind(m_options.bind, m_options.port);
    if (port <= 0) throw vorn::Error("cannot listen on " + m_options.bind);
    return port;
}

void Service::run() {
    m_front.run();
}

void Service::stop() {
    m_front.stop();
}

bool Service::serve(httplib::Stream& stream, bool last) {
    return m_http.serveStream(stream, last);
}

} // namespace pequenia

#include "pages/instructions.h"

#include "http/reply.h"
#include "pages/html.h"
#include "pages/reference_pages.h"

#include <map>

namespace pequenia {

namespace {

constexpr const char* kStyle =
    "body{font-family:Verdana,Arial,sans-serif;background:#F4F1E8;color:#2B3A55;margin:24px}\n"
    "h1{font-size:20px}h2{font-size:16px;margin-top:20px}\n"
    "code{background:#fff;border:1px solid #ccc;padding:2px 6px}\n"
    "li{margin:4px 0}a{color:#800000}\n";

std::string pageAddress(std::string_view name) {
    return "/vornpq/wbetz/" + encodeUrlValue(name) + ".htm";
}

constexpr const char* kIndexLink =
    "<p><a href=\"/html/quorbel/pags/instrucs/\">\xCDndice das instru\xE7\xF5"
    "es</a></p>";

} // namespace

Reply referencePage(std::string_view name) {
    auto page = findReferencePage(name);
    const bool known = page.has_value();
    if (!known) page = findReferencePage("naoeh");
    std::string body;
    if (page->keywords.empty()) {
        body = "<h1>Palavra desconhecida</h1>\n<p>Esta palavra n\xE3o \xE9 uma instru\xE7\xE3o da "
               "linguagem Vorn. Confira a grafia: mai\xFAsculas e min\xFAsculas contam, e o sinal "
               "final (=, #, +, ...) faz parte da instru\xE7\xE3o.</p>";
    } else {
        std::string words;
        for (const std::string& k : page->keywords)
            words += (words.empty() ? "" : ", ") + ("<code>" + escapeHtml(k) + "</code>");
        body = "<h1>" + std::string(page->elementKind ? "Elemento de tela " : "Instru\xE7\xE3o ") +
               escapeHtml(page->elementKind ? page->keywords.front() : page->name) + "</h1>\n<p>" +
               words + "</p>\n";
        if (page->lines.empty()) {
            body +=
                page->elementKind
                    ? "<p>Elemento de tela de uma linha <code>cmd=</code>: tipo, x, y, largura, "
                      "altura e os campos pr\xF3prios do tipo.</p>"
                    : "<p>Instru\xE7\xE3o da linguagem Vorn. Os par\xE2metros v\xEAm depois de "
                      "um espa\xE7o, separados por v\xEDrgulas.</p>";
        } else {
            body += "<ul>\n";
            for (const ReferenceLine& line : page->lines)
                body += "<li><code>" + escapeHtml(line.syntax) + "</code> &mdash; " +
                        escapeHtml(line.description) + " <small>(" + escapeHtml(line.group) +
                        ")</small></li>\n";
            body += "</ul>\n";
        }
    }
    body += kIndexLink;
    Reply r{known ? 200 : 404, htmlDocument("Vorn: " + std::string(name), kStyle, body), kHtmlType};
    return r;
}

Reply referenceIndex() {
    std::map<std::string_view, std::vector<const ReferenceLine*>> groups;
    std::vector<std::string_view> order;
    for (const ReferenceLine& line : referenceLines()) {
        if (!groups.count(line.group)) order.push_back(line.group);
        groups[line.group].push_back(&line);
    }
    std::string body = "<h1>Instru\xE7\xF5"
                       "es da linguagem Vorn</h1>\n";
    for (std::string_view g : order) {
        body += "<h2>" + escapeHtml(g) + "</h2>\n<ul>\n";
        for (const ReferenceLine* line : groups[g]) {
            const std::string_view syntax = line->syntax;
            std::string word(syntax.substr(0, syntax.find_first_of(" ,")));
            if (g == "Instru\xE7\xF5"
                     "es cmd=")
                word = "0" + word;
            if (word == "savregs") word = "saveregs";
            const std::string target = word[0] == '0' || isInstructionKeyword(word)
                                           ? (word[0] == '0' ? word : referencePageNameOf(word))
                                           : std::string("naoeh");
            body += "<li><a href=\"" + escapeHtml(pageAddress(target)) + "\"><code>" +
                    escapeHtml(syntax) + "</code></a> &mdash; " + escapeHtml(line->description) +
                    "</li>\n";
        }
        body += "</ul>\n";
    }
    body += "<h2>Todas as p\xE1ginas</h2>\n<p>";
    for (const std::string& n : allReferencePageNames())
        body += "<a href=\"" + escapeHtml(pageAddress(n)) + "\"><code>" + escapeHtml(n) +
                "</code></a> ";
    body += "</p>\n";
    return Reply{200,
                 htmlDocument("Instru\xE7\xF5"
                              "es Vorn",
                              kStyle, body),
                 kHtmlType};
}

Reply officialIndex() {
    const std::string body =
        "<h1>P\xE1ginas oficiais do VORN script</h1>\n"
        "<p>Servidor local de aventuras Pequenia.</p>\n<ul>\n"
        "<li><a href=\"/html/quorbel/pags/instrucs/\">Refer\xEAncia das instru\xE7\xF5"
        "es "
        "Vorn</a></li>\n"
        "<li><a href=\"/html/quorbel/inicio.php?Pfx=vorn\">Jogar o Castelo de Vorn "
        "(demonstra\xE7\xE3o)</a></li>\n</ul>\n";
    return Reply{200, htmlDocument("VORN script", kStyle, body), kHtmlType};
}

} // namespace pequenia

#include "demo/seed.h"

#include "auth/access.h"
#include "auth/passwords.h"
#include "db/sqlite.h"
#include "demo/demo_scripts.h"
#include "demo/mp3_writer.h"
#include "demo/png_writer.h"
#include "demo/wav_writer.h"
#include "storage/paths.h"

#include <files.h>

namespace pequenia {

namespace {

using demo::Canvas;

std::int64_t addAccount(db::Database& db, const char* login, const char* password,
                        const std::string& code) {
    auto st = db.prepare("INSERT INTO accounts (login, hash, email, code, fixed_idx, locked, "
                         "created) VALUES (?1, ?2, ?3, ?4, ?4, 0, ?5)");
    st.bind(1, login).bind(2, hashPassword(password)).bind(3, std::string(login) + "@exemplo.org");
    st.bind(4, code).bind(5, nowText()).run();
    return db.lastInsertId();
}

void exec(db::Database& db, const char* sql, std::initializer_list<std::string> values) {
    auto st = db.prepare(sql);
    int i = 1;
    for (const std::string& v : values)
        st.bind(i++, v);
    st.run();
}

// Pictures drawn in code: a sky, stone, a door, a few shapes.
Canvas gatePicture() {
    Canvas c(600, 400, 0x202040);
    c.gradient(0, 0, 600, 260, 0x1B2745, 0x8A6F9E);
    c.fillEllipse(480, 70, 30, 30, 0xF2EBC9);
    c.fillRect(0, 260, 600, 140, 0x3B4A2F);
    c.fillRect(140, 90, 320, 280, 0x77736B);
    for (int x = 140; x < 460; x += 40)
        c.fillRect(x, 70, 24, 24, 0x77736B);
    c.fillEllipse(300, 200, 60, 60, 0x2A1E14);
    c.fillRect(240, 200, 120, 170, 0x2A1E14);
    return c;
}

Canvas courtyardPicture() {
    Canvas c(600, 400, 0x6B6B66);
    c.gradient(0, 0, 600, 120, 0x5C7AA8, 0xB9C9E0);
    c.fillRect(0, 120, 600, 280, 0x8C8A82);
    for (int y = 130; y < 400; y += 30)
        for (int x = (y / 30) % 2 * 30; x < 600; x += 60)
            c.fillRect(x, y, 28, 28, 0x7E7C74);
    c.fillRect(250, 120, 100, 160, 0x4A3422);
    c.fillRect(20, 200, 120, 160, 0x4A3422);
    return c;
}

Canvas hallPicture() {
    Canvas c(600, 400, 0x3A2A1C);
    c.gradient(0, 0, 600, 250, 0x2B1D12, 0x5A4030);
    c.fillRect(0, 250, 600, 150, 0x6B4A2F);
    c.fillRect(250, 250, 100, 150, 0x8E1F24);
    c.fillRect(440, 60, 120, 200, 0x1E140C);
    c.fillRect(40, 260, 140, 120, 0x120C08);
    for (int x = 80; x < 600; x += 160)
        c.fillEllipse(x, 60, 12, 20, 0xF7C65A);
    return c;
}

Canvas towerPicture() {
    Canvas c(600, 400, 0x0E1630);
    c.gradient(0, 0, 600, 400, 0x0E1630, 0x3C5A8C);
    for (int i = 0; i < 40; ++i)
        c.fillRect((i * 137) % 600, (i * 71) % 200, 2, 2, 0xFFFFFF);
    c.fillRect(0, 300, 600, 100, 0x5F5A52);
    c.fillEllipse(300, 240, 50, 40, 0xD4A017);
    return c;
}

Canvas dungeonPicture() {
    Canvas c(600, 400, 0x101010);
    c.gradient(0, 0, 600, 400, 0x050505, 0x2A2A24);
    for (int x = 40; x < 600; x += 90)
        c.fillRect(x, 0, 14, 300, 0x3A3A36);
    c.fillEllipse(300, 330, 30, 10, 0xE8D27A);
    return c;
}

Canvas keyPicture() {
    Canvas c(60, 60, 0x101010);
    c.fillEllipse(18, 30, 14, 14, 0xE8C547);
    c.fillEllipse(18, 30, 6, 6, 0x101010);
    c.fillRect(30, 27, 26, 6, 0xE8C547);
    c.fillRect(46, 33, 4, 10, 0xE8C547);
    return c;
}

Canvas treasurePicture() {
    Canvas c(80, 80, 0x0E1630);
    c.fillRect(10, 35, 60, 35, 0x7A4B22);
    c.fillEllipse(40, 35, 30, 14, 0x8F5A2A);
    c.fillEllipse(40, 30, 16, 8, 0xF4D03F);
    return c;
}

Canvas iconPicture() {
    Canvas c(64, 64, 0x1A1A2E);
    c.fillRect(12, 20, 40, 40, 0x77736B);
    for (int x = 12; x < 52; x += 12)
        c.fillRect(x, 12, 8, 8, 0x77736B);
    c.fillRect(26, 40, 12, 20, 0x2A1E14);
    return c;
}

Canvas padlockPicture() {
    Canvas c(80, 80, 0xFFFFFF);
    c.fillEllipse(40, 30, 18, 18, 0x555555);
    c.fillEllipse(40, 30, 11, 11, 0xFFFFFF);
    c.fillRect(18, 36, 44, 36, 0xC9A227);
    return c;
}

void writeFile(const std::string& path, const std::string& bytes) {
    vorn::writeFileAtomic(path, bytes);
}

void seedCastle(db::Database& db, const DataDir& dir, std::int64_t owner, std::int64_t helper,
                const std::string& ownerIdx) {
    exec(db,
         "INSERT INTO adventures (prefix, name, owner_id, created, first_script, font, color_bg, "
         "color_text, color_link, win_w, win_h, scr_w, scr_h, scr_x, scr_y, msg_w, msg_h, msg_x, "
         "msg_y, access, reg_total) VALUES ('vorn', 'Castelo_de_Vorn', ?1, ?2, 'inicio', "
         "'Georgia', '1A1A2E', 'F0E6D2', 'FFD700', '800', '600', '600', '400', '100', '20', "
         "'600', '120', '100', '440', 'P', 10)",
         {std::to_string(owner), nowText()});
    const std::string adv = std::to_string(db.lastInsertId());
    exec(db, "INSERT INTO editors (adventure_id, account_id) VALUES (?1, ?2)",
         {adv, std::to_string(helper)});
    for (const auto& s : demo::castleScripts())
        exec(db,
             "INSERT INTO scripts (adventure_id, name, body, author_idx, updated) VALUES "
             "(?1, ?2, ?3, ?4, ?5)",
             {adv, s.name, s.text, ownerIdx, nowText()});
    const char* objects[][4] = {{"chave", "masmorra", "chave.png", "Uma_chave_de_ferro_antiga"},
                                {"tesouro", "torre", "tesouro.png", "O_ba\xFA_de_ouro_de_Vorn"},
                                {"lampiao_velho", "patio", "", "Um_lampi\xE3o_sem_\xF3leo"}};
    for (const auto& o : objects)
        exec(db,
             "INSERT INTO objects (adventure_id, name, loc0, shp0, dcr0, loc1, shp1, dcr1) VALUES "
             "(?1, ?2, ?3, ?4, ?5, ?3, ?4, ?5)",
             {adv, o[0], o[1], o[2], o[3]});
    exec(db, "UPDATE objects SET loc1 = 'jogador' WHERE name = 'chave' AND adventure_id = ?1",
         {adv});
    const char* registers[] = {"3", "150", "Vorn", "0", "7"};
    for (int i = 0; i < 5; ++i)
        exec(db, "INSERT INTO registers (adventure_id, idx, number, value) VALUES (?1, ?2, ?3, ?4)",
             {adv, ownerIdx, std::to_string(i), registers[i]});
    exec(db, "INSERT INTO globals (adventure_id, kind, body) VALUES (?1, 1, ?2), (?1, 2, ?3)",
         {adv, "vidas=3\r\nouro=0\r\nporta_torre=fechada",
          "vidas=2\r\nouro=150\r\nporta_torre=aberta"});
    exec(db,
         "INSERT INTO players (adventure_id, idx, started, last_seen, moves, position, ip, "
         "last_script) VALUES (?1, ?2, '2024-03-02 18:20:11', '2024-03-02 18:41:57', 23, "
         "'torre', '127.0.0.1', 'torre'), (?1, '77', '2024-03-05 09:02:40', "
         "'2024-03-05 09:05:12', 4, 'patio', '127.0.0.1', 'patio')",
         {adv, ownerIdx});
    exec(db,
         "INSERT INTO pages (adventure_id, active, author, ord, title, icon, qrcode, type, status, "
         "description) VALUES (?1, '*', 'demo', '1', 'Castelo de Vorn', 'icone.png', '', 'adv', "
         "'publicada', ?2)",
         {adv, "Explore o castelo, ache a chave e suba \xE0 torre.\r\nUma aventura curta para "
               "conhecer o VORN script."});

    ensureFolder(dir.adventureFolder("vorn"));
    const std::pair<const char*, Canvas> pictures[] = {
        {"portao.png", gatePicture()},      {"patio.png", courtyardPicture()},
        {"salao.png", hallPicture()},       {"torre.png", towerPicture()},
        {"masmorra.png", dungeonPicture()}, {"chave.png", keyPicture()},
        {"tesouro.png", treasurePicture()}, {"icone.png", iconPicture()}};
    for (const auto& [name, canvas] : pictures)
        writeFile(dir.adventureFile("vorn", name), canvas.encodePng());
    writeFile(dir.adventureFile("vorn", "sino.mp3"),
              demo::encodeMp3({{660, 180}, {0, 60}, {495, 400}}));
    writeFile(dir.adventureFile("vorn", "notas.txt"), "Ideias: um drag\xE3o na torre?\r\n");
}

void seedBasicAdventure(db::Database& db, std::int64_t owner) {
    exec(db,
         "INSERT INTO adventures (prefix, name, owner_id, created, first_script, layout, "
         "edit_mode, basic) VALUES ('vale', 'Vale_Perdido', ?1, ?2, 'clareira', '*', '**', 1)",
         {std::to_string(owner), nowText()});
    const std::string adv = std::to_string(db.lastInsertId());
    exec(db,
         "INSERT INTO positions (adventure_id, name, screen, message, off_x, off_y) VALUES "
         "(?1, 'clareira', 'clareira.jpg', 'Uma clareira silenciosa.', '10', '20'), "
         "(?1, 'rio', 'rio.jpg', 'O rio corre forte.', '0', '0'), "
         "(?1, 'ponte', 'ponte.jpg', 'Uma ponte de cordas.', 'abc', '5')",
         {adv});
    exec(db,
         "INSERT INTO links (adventure_id, position, x1, y1, x2, y2, target) VALUES "
         "(?1, 'clareira', 100, 50, 180, 90, 'rio'), (?1, 'clareira', 300, 40, 260, 120, "
         "'ponte'), (?1, 'rio', 0, 0, 50, 50, 'clareira'), (?1, 'ponte', 5, 5, 60, 60, "
         "'rio,margem')",
         {adv});
}

void seedLibrary(db::Database& db, const DataDir& dir) {
    struct Sound {
        const char* name;
        const char* category;
        std::vector<demo::Tone> tones;
    };
    const Sound sounds[] = {{"gota.wav", "agua", {{1200, 40}, {0, 80}, {900, 60}}},
                            {"bip_curto.wav", "beep", {{880, 120}}},
                            {"bip_duplo.wav", "beep", {{880, 100}, {0, 60}, {880, 100}}},
                            {"rangido.wav", "porta", {{180, 200}, {150, 250}, {120, 300}}},
                            {"rugido.wav", "monstro", {{90, 500}, {70, 400}}}};
    for (const Sound& s : sounds) {
        exec(db, "INSERT INTO sounds (name, category) VALUES (?1, ?2)", {s.name, s.category});
        writeFile(dir.soundFile(s.name), demo::encodeWav(s.tones));
    }
    // MP3 sounds, one listed without its extension: the client adds ".mp3"
    // to a library name that carries no sound kind.
    const Sound mp3s[] = {{"vento", "amb", {{220, 300}, {260, 400}, {200, 500}}},
                          {"coruja.mp3", "bicho", {{520, 180}, {0, 90}, {440, 260}}}};
    for (const Sound& s : mp3s) {
        exec(db, "INSERT INTO sounds (name, category) VALUES (?1, ?2)", {s.name, s.category});
        std::string file = s.name;
        if (!file.ends_with(".mp3")) file += ".mp3";
        writeFile(dir.soundFile(file), demo::encodeMp3(s.tones));
    }
}

void seedModel(db::Database& db, const DataDir& dir) {
    exec(db,
         "INSERT INTO models (name, summary, description, script, files) VALUES "
         "('porta_trancada', 'Porta que abre com a chave', ?1, ?2, 'cadeado.png')",
         {"Uma porta que s\xF3 abre para quem tem a chave.\r\nTroque \"chave\" pelo nome do seu "
          "objeto.",
          demo::lockedDoorModel()});
    writeFile(dir.sharedFile("cadeado.png"), padlockPicture().encodePng());
}

} // namespace

void seedDemo(db::Database& db, const DataDir& dir) {
    db::Transaction tx(db);
    const std::int64_t demoId = addAccount(db, "demo", "demo", "1001");
    const std::int64_t anaId = addAccount(db, "ana", "ana123", "1002");
    addAccount(db, "bia", "bia123", "1003");
    addAccount(db, "admin", "admin", "593");
    seedCastle(db, dir, demoId, anaId, "1001");
    seedBasicAdventure(db, demoId);
    seedLibrary(db, dir);
    seedModel(db, dir);
    tx.commit();
}

} // namespace pequenia

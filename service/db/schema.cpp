#include "db/schema.h"

#include "db/sqlite.h"

namespace pequenia::db {

namespace {

// Texts are kept as the bytes the client sent (Windows-1252). Names that may
// hold blanks (adventures, objects) are kept with "_" for each blank, the form
// in which the client sends and lists them.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS accounts (
  id INTEGER PRIMARY KEY,
  login TEXT NOT NULL UNIQUE,
  hash TEXT NOT NULL,
  email TEXT NOT NULL DEFAULT '',
  code TEXT NOT NULL UNIQUE,
  fixed_idx TEXT NOT NULL DEFAULT '',
  locked INTEGER NOT NULL DEFAULT 1,
  unlock_token TEXT NOT NULL DEFAULT '',
  created TEXT NOT NULL,
  last_login TEXT NOT NULL DEFAULT ''
);
CREATE TABLE IF NOT EXISTS adventures (
  id INTEGER PRIMARY KEY,
  prefix TEXT NOT NULL UNIQUE,
  name TEXT NOT NULL,
  owner_id INTEGER NOT NULL REFERENCES accounts(id),
  created TEXT NOT NULL,
  first_script TEXT NOT NULL DEFAULT 'inicio',
  font TEXT NOT NULL DEFAULT 'Arial',
  color_bg TEXT NOT NULL DEFAULT '000000',
  color_text TEXT NOT NULL DEFAULT 'FFFFFF',
  color_link TEXT NOT NULL DEFAULT 'FFFF00',
  win_w TEXT NOT NULL DEFAULT '800', win_h TEXT NOT NULL DEFAULT '600',
  scr_w TEXT NOT NULL DEFAULT '600', scr_h TEXT NOT NULL DEFAULT '400',
  scr_x TEXT NOT NULL DEFAULT '100', scr_y TEXT NOT NULL DEFAULT '20',
  msg_w TEXT NOT NULL DEFAULT '600', msg_h TEXT NOT NULL DEFAULT '120',
  msg_x TEXT NOT NULL DEFAULT '100', msg_y TEXT NOT NULL DEFAULT '440',
  access TEXT NOT NULL DEFAULT 'R',
  panel TEXT NOT NULL DEFAULT '',
  reg_total INTEGER NOT NULL DEFAULT 20,
  layout TEXT NOT NULL DEFAULT '',
  edit_mode TEXT NOT NULL DEFAULT 'sm',
  basic INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS editors (
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  account_id INTEGER NOT NULL REFERENCES accounts(id) ON DELETE CASCADE,
  PRIMARY KEY (adventure_id, account_id)
);
CREATE TABLE IF NOT EXISTS scripts (
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  body TEXT NOT NULL DEFAULT '',
  compiled INTEGER NOT NULL DEFAULT 0,
  author_idx TEXT NOT NULL DEFAULT '',
  updated TEXT NOT NULL,
  PRIMARY KEY (adventure_id, name)
);
CREATE TABLE IF NOT EXISTS objects (
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  loc0 TEXT NOT NULL DEFAULT '', shp0 TEXT NOT NULL DEFAULT '', dcr0 TEXT NOT NULL DEFAULT '',
  loc1 TEXT NOT NULL DEFAULT '', shp1 TEXT NOT NULL DEFAULT '', dcr1 TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (adventure_id, name)
);
CREATE TABLE IF NOT EXISTS sounds (
  name TEXT PRIMARY KEY,
  category TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS players (
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  idx TEXT NOT NULL,
  started TEXT NOT NULL,
  last_seen TEXT NOT NULL,
  moves INTEGER NOT NULL DEFAULT 0,
  position TEXT NOT NULL DEFAULT '',
  ip TEXT NOT NULL DEFAULT '',
  last_script TEXT NOT NULL DEFAULT '',
  PRIMARY KEY (adventure_id, idx)
);
CREATE TABLE IF NOT EXISTS registers (
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  idx TEXT NOT NULL,
  number INTEGER NOT NULL,
  value TEXT NOT NULL,
  PRIMARY KEY (adventure_id, idx, number)
);
CREATE TABLE IF NOT EXISTS globals (
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  kind INTEGER NOT NULL,
  body TEXT NOT NULL,
  PRIMARY KEY (adventure_id, kind)
);
CREATE TABLE IF NOT EXISTS models (
  name TEXT PRIMARY KEY,
  summary TEXT NOT NULL DEFAULT '',
  description TEXT NOT NULL DEFAULT '',
  script TEXT NOT NULL DEFAULT '',
  files TEXT NOT NULL DEFAULT ''
);
CREATE TABLE IF NOT EXISTS pages (
  adventure_id INTEGER PRIMARY KEY REFERENCES adventures(id) ON DELETE CASCADE,
  active TEXT NOT NULL DEFAULT '-',
  author TEXT NOT NULL DEFAULT '',
  ord TEXT NOT NULL DEFAULT '0',
  title TEXT NOT NULL DEFAULT '',
  icon TEXT NOT NULL DEFAULT '',
  qrcode TEXT NOT NULL DEFAULT '',
  type TEXT NOT NULL DEFAULT 'adv',
  status TEXT NOT NULL DEFAULT 'aguardando_revisao',
  description TEXT NOT NULL DEFAULT ''
);
CREATE TABLE IF NOT EXISTS banner_accounts (
  account_id INTEGER PRIMARY KEY REFERENCES accounts(id) ON DELETE CASCADE,
  number TEXT NOT NULL,
  credits INTEGER NOT NULL DEFAULT 100,
  created TEXT NOT NULL
);
CREATE TABLE IF NOT EXISTS positions (
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  screen TEXT NOT NULL DEFAULT '',
  message TEXT NOT NULL DEFAULT '',
  off_x TEXT NOT NULL DEFAULT '0',
  off_y TEXT NOT NULL DEFAULT '0',
  PRIMARY KEY (adventure_id, name)
);
CREATE TABLE IF NOT EXISTS links (
  id INTEGER PRIMARY KEY,
  adventure_id INTEGER NOT NULL REFERENCES adventures(id) ON DELETE CASCADE,
  position TEXT NOT NULL,
  x1 INTEGER NOT NULL, y1 INTEGER NOT NULL, x2 INTEGER NOT NULL, y2 INTEGER NOT NULL,
  target TEXT NOT NULL
);
)sql";

} // namespace

void createSchema(Database& db) {
    db.exec(kSchema);
}

bool isEmpty(Database& db) {
    auto st = db.prepare("SELECT COUNT(*) FROM accounts");
    return st.step() && st.integer(0) == 0;
}

} // namespace pequenia::db

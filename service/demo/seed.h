#pragma once

namespace pequenia {

class DataDir;
namespace db {
class Database;
}

// Fills an empty service with demo accounts, the adventure "Castelo de Vorn"
// (prefix "vorn") with its scripts, pictures, sounds, objects, registers,
// variables, page and players, an adventure of the basic position editor
// ("Vale Perdido", prefix "vale"), a script model and the sound library.
void seedDemo(db::Database& db, const DataDir& dir);

} // namespace pequenia

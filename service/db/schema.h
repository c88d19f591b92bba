#pragma once

namespace pequenia::db {

class Database;

// Creates the tables that are missing; an existing database keeps its data.
void createSchema(Database& db);

// True when no account exists yet (the demo is seeded only then).
bool isEmpty(Database& db);

} // namespace pequenia::db

#pragma once
// The procedures that read and write the auxiliary tables of a task database when it is
// opened or the settings are saved. Each opens its own short-lived connection to
// AppState::s_datenbank, reports its own failure through Dialoge and returns false then.

struct AppState;
class Dialoge;
class Zufall;
struct Grunddaten;
#include <QStringList>

// Topic names, the topic tree and the unit groups.
bool f_themenbaum(AppState& st, Dialoge& dialoge);
// Keyword and tour lists; renews the random sort key ID1 of every task.
bool f_stichwortlisten(AppState& st, Zufall& zufall, Dialoge& dialoge);
// Basic data from stru-01 and the access record from Stru-4-1.
bool f_grunddatenlesen(AppState& st, Dialoge& dialoge);
// Writes the basic data back to stru-01. Reports nothing itself: throws Fehler to the caller.
void f_grunddatenschreiben(const AppState& st);

// The 31 values of stru-01 in row order, unscrambled (numbers as decimal text).
QStringList f_grunddatenzeilen(const Grunddaten& g);

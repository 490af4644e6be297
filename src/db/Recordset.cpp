#include "db/Recordset.h"

#include <sqlite3.h>

#include <QDir>

#include "db/Database.h"
#include "db/Fehler.h"
#include "db/JetSql.h"

namespace {

QVariant spalte(sqlite3_stmt* st, int i) {
    switch (sqlite3_column_type(st, i)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(sqlite3_column_int64(st, i)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(st, i));
        case SQLITE_TEXT:
            return QVariant(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                  sqlite3_column_bytes(st, i)));
        case SQLITE_BLOB:
            return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(st, i)),
                                       sqlite3_column_bytes(st, i)));
        default:
            return QVariant();
    }
}

void binden(sqlite3_stmt* st, int i, const QVariant& v) {
    if (v.isNull() || !v.isValid()) {
        sqlite3_bind_null(st, i);
        return;
    }
    switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::Char:
        case QMetaType::SChar:
            sqlite3_bind_int64(st, i, v.toLongLong());
            return;
        case QMetaType::Double:
        case QMetaType::Float:
            sqlite3_bind_double(st, i, v.toDouble());
            return;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            sqlite3_bind_blob(st, i, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
            return;
        }
        default: {
            const QByteArray u = v.toString().toUtf8();
            sqlite3_bind_text(st, i, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
            return;
        }
    }
}

class Anweisung {
public:
    // Statements come from the connection's cache; one already running gets a fresh copy.
    enum class Cache { Nein, Ja };
    Anweisung(Database& db, const QString& sql, Cache cache = Cache::Nein)
        : m_db(db), m_st(cache == Cache::Ja ? db.vorbereitet(sql) : nullptr) {
        if (m_st == nullptr) {
            m_eigen = true;
            const QByteArray u = sql.toUtf8();
            if (sqlite3_prepare_v2(db.handle(), u.constData(), static_cast<int>(u.size()), &m_st,
                                   nullptr) != SQLITE_OK) {
                db.fehler(sql);
            }
        }
    }
    ~Anweisung() {
        if (m_eigen) {
            sqlite3_finalize(m_st);
        } else {
            sqlite3_reset(m_st);
            sqlite3_clear_bindings(m_st);
        }
    }
    Anweisung(const Anweisung&) = delete;
    Anweisung& operator=(const Anweisung&) = delete;
    sqlite3_stmt* st() const { return m_st; }
    // true while rows come; throws on error.
    bool schritt() {
        const int rc = sqlite3_step(m_st);
        if (rc == SQLITE_ROW) {
            return true;
        }
        if (rc != SQLITE_DONE) {
            m_db.fehler(QString::fromUtf8(sqlite3_sql(m_st)));
        }
        return false;
    }

private:
    const Database& m_db;
    sqlite3_stmt* m_st = nullptr;
    bool m_eigen = false;
};

// Jet compares text without case; NULL meets no criterion.
bool erfuellt(const QVariant& wert, const JetSql::Kriterium& k) {
    if (wert.isNull() || !wert.isValid()) {
        return false;
    }
    int vergleich = 0;
    bool zahlOk = false;
    const double zahl = k.wert.toDouble(&zahlOk);
    if (zahlOk && (wert.typeId() == QMetaType::LongLong || wert.typeId() == QMetaType::Double)) {
        const double w = wert.toDouble();
        vergleich = w < zahl ? -1 : (w > zahl ? 1 : 0);
    } else {
        vergleich = QString::compare(wert.toString(), k.wert, Qt::CaseInsensitive);
    }
    if (k.op == QLatin1String("=")) {
        return vergleich == 0;
    }
    if (k.op == QLatin1String("<>")) {
        return vergleich != 0;
    }
    if (k.op == QLatin1String("<")) {
        return vergleich < 0;
    }
    if (k.op == QLatin1String(">")) {
        return vergleich > 0;
    }
    if (k.op == QLatin1String("<=")) {
        return vergleich <= 0;
    }
    return vergleich >= 0;
}

}  // namespace

Recordset::Recordset(Database& db, Art art, QString tabelle)
    : m_db(db), m_art(art), m_tabelle(std::move(tabelle)), m_sqlTabelle(JetSql::name(m_tabelle)) {}

Recordset::~Recordset() = default;

void Recordset::ladeSnapshot(const QString& sql) {
    Anweisung a(m_db, sql);
    const int n = sqlite3_column_count(a.st());
    for (int i = 0; i < n; ++i) {
        m_felder << QString::fromUtf8(sqlite3_column_name(a.st(), i));
        m_index.insert(m_felder.last().toLower(), i);
    }
    while (a.schritt()) {
        std::vector<QVariant> zeile;
        zeile.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            zeile.push_back(spalte(a.st(), i));
        }
        m_zeilen.push_back(std::move(zeile));
    }
    m_pos = m_zeilen.empty() ? -1 : 0;
}

void Recordset::ladeSchluessel(const QString& schluesselSql) {
    {
        Anweisung kopf(m_db,
                       QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(JetSql::name(m_tabelle)));
        const int n = sqlite3_column_count(kopf.st());
        for (int i = 0; i < n; ++i) {
            m_felder << QString::fromUtf8(sqlite3_column_name(kopf.st(), i));
            m_sqlNamen << JetSql::name(m_felder.last());
            m_index.insert(m_felder.last().toLower(), i);
        }
    }
    Anweisung a(m_db, schluesselSql);
    while (a.schritt()) {
        m_ids.push_back(sqlite3_column_int64(a.st(), 0));
    }
    m_pos = m_ids.empty() ? -1 : 0;
    m_aktuellGelesen = false;
}

void Recordset::leseAktuelleZeile() {
    m_aktuell.assign(static_cast<std::size_t>(m_felder.size()), QVariant());
    m_aktuellGelesen = true;
    if (bof() || eof()) {
        return;
    }
    Anweisung a(
        m_db, QStringLiteral("SELECT * FROM ") + m_sqlTabelle + QStringLiteral(" WHERE rowid = ?"),
        Anweisung::Cache::Ja);
    sqlite3_bind_int64(a.st(), 1, m_ids[static_cast<std::size_t>(m_pos)]);
    if (a.schritt()) {
        for (int i = 0; i < m_felder.size(); ++i) {
            m_aktuell[static_cast<std::size_t>(i)] = spalte(a.st(), i);
        }
    }
    // A row deleted elsewhere reads as all NULL.
}

void Recordset::moveFirst() {
    m_bearbeitung = Bearbeitung::Keine;  // moving drops an unsaved edit
    m_geloescht = false;
    m_pos = m_anzahl() == 0 ? -1 : 0;
    m_aktuellGelesen = false;
}

void Recordset::moveLast() {
    m_bearbeitung = Bearbeitung::Keine;  // moving drops an unsaved edit
    m_geloescht = false;
    m_pos = static_cast<qsizetype>(m_anzahl()) - 1;
    m_aktuellGelesen = false;
}

void Recordset::moveNext() {
    m_bearbeitung = Bearbeitung::Keine;  // moving drops an unsaved edit
    if (m_geloescht) {
        m_geloescht = false;
    } else if (m_pos < static_cast<qsizetype>(m_anzahl())) {
        ++m_pos;
    }
    m_aktuellGelesen = false;
}

void Recordset::movePrevious() {
    m_bearbeitung = Bearbeitung::Keine;  // moving drops an unsaved edit
    m_geloescht = false;
    if (m_pos >= 0) {
        --m_pos;
    }
    m_aktuellGelesen = false;
}

void Recordset::moveTo(int position) {
    m_bearbeitung = Bearbeitung::Keine;  // moving drops an unsaved edit
    m_geloescht = false;
    const auto n = static_cast<qsizetype>(m_anzahl());
    m_pos = position < 0 ? -1 : (position >= n ? n : position);
    m_aktuellGelesen = false;
}

bool Recordset::findFirst(const QString& kriteriumText) {
    const JetSql::Kriterium k = JetSql::kriterium(kriteriumText);
    const int spalteNr = feldIndex(k.feld);
    if (m_art == Art::Snapshot) {
        for (std::size_t i = 0; i < m_zeilen.size(); ++i) {
            if (erfuellt(m_zeilen[i][static_cast<std::size_t>(spalteNr)], k)) {
                m_pos = static_cast<qsizetype>(i);
                return true;
            }
        }
        return false;
    }
    // One read of the criterion's column for the whole key set, then the first in key order.
    QHash<qint64, bool> treffer;
    Anweisung a(m_db, QStringLiteral("SELECT rowid, %1 FROM %2")
                          .arg(JetSql::name(m_felder[spalteNr]), JetSql::name(m_tabelle)));
    while (a.schritt()) {
        if (erfuellt(spalte(a.st(), 1), k)) {
            treffer.insert(sqlite3_column_int64(a.st(), 0), true);
        }
    }
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        if (treffer.contains(m_ids[i])) {
            m_pos = static_cast<qsizetype>(i);
            m_geloescht = false;
            m_aktuellGelesen = false;
            return true;
        }
    }
    return false;
}

int Recordset::feldIndex(const QString& feld) const {
    const auto it = m_index.constFind(feld.toLower());
    if (it == m_index.constEnd()) {
        throw Fehler(QStringLiteral("Das Feld %1 fehlt in der Datenbank %2.")
                         .arg(feld, QDir::toNativeSeparators(m_db.pfad())));
    }
    return it.value();
}

bool Recordset::hatFeld(const QString& feld) const {
    return m_index.contains(feld.toLower());
}

QVariant Recordset::feld(const QString& name) const {
    const auto i = static_cast<std::size_t>(feldIndex(name));
    if (m_bearbeitung != Bearbeitung::Keine &&
        (m_geaendert[i] || m_bearbeitung == Bearbeitung::Neu)) {
        return m_puffer[i];
    }
    if (m_geloescht || bof() || eof()) {
        throw Fehler(m_geloescht ? QStringLiteral("Der Datensatz wurde gelöscht.")
                                 : QStringLiteral("Kein aktueller Datensatz."));
    }
    if (m_art == Art::Snapshot) {
        return m_zeilen[static_cast<std::size_t>(m_pos)][i];
    }
    if (!m_aktuellGelesen) {
        const_cast<Recordset*>(this)->leseAktuelleZeile();
    }
    return m_aktuell[i];
}

void Recordset::edit() {
    if (m_art != Art::Dynaset) {
        throw Fehler(QStringLiteral("Die Datensätze können nicht geändert werden."));
    }
    if (m_geloescht || bof() || eof()) {
        throw Fehler(QStringLiteral("Kein aktueller Datensatz."));
    }
    // Only the fields set before update() are written; the others read through to the row.
    m_puffer.assign(static_cast<std::size_t>(m_felder.size()), QVariant());
    m_geaendert.assign(m_puffer.size(), false);
    m_bearbeitung = Bearbeitung::Aendern;
}

void Recordset::addNew() {
    if (m_art != Art::Dynaset) {
        throw Fehler(QStringLiteral("Die Datensätze können nicht geändert werden."));
    }
    m_puffer.assign(static_cast<std::size_t>(m_felder.size()), QVariant());
    m_geaendert.assign(m_puffer.size(), false);
    m_bearbeitung = Bearbeitung::Neu;
}

void Recordset::setFeld(const QString& feld, const QVariant& wert) {
    if (m_bearbeitung == Bearbeitung::Keine) {
        throw Fehler(QStringLiteral("Aktualisieren ohne Bearbeiten oder Hinzufügen."));
    }
    const auto i = static_cast<std::size_t>(feldIndex(feld));
    m_puffer[i] = wert;
    m_geaendert[i] = true;
}

void Recordset::update() {
    if (m_bearbeitung == Bearbeitung::Keine) {
        throw Fehler(QStringLiteral("Aktualisieren ohne Bearbeiten oder Hinzufügen."));
    }
    // Only the fields set since edit() or addNew() are written.
    std::vector<std::size_t> geaendert;
    for (std::size_t i = 0; i < m_puffer.size(); ++i) {
        if (m_geaendert[i]) {
            geaendert.push_back(i);
        }
    }
    QString sql;
    if (m_bearbeitung == Bearbeitung::Aendern) {
        if (!geaendert.empty()) {
            sql = QStringLiteral("UPDATE ") + m_sqlTabelle + QStringLiteral(" SET ");
            for (std::size_t k = 0; k < geaendert.size(); ++k) {
                sql += (k == 0 ? QString() : QStringLiteral(", ")) +
                       m_sqlNamen[static_cast<qsizetype>(geaendert[k])] + QStringLiteral(" = ?");
            }
            sql += QStringLiteral(" WHERE rowid = ?");
            Anweisung a(m_db, sql, Anweisung::Cache::Ja);
            int n = 1;
            for (std::size_t i : geaendert) {
                binden(a.st(), n++, m_puffer[i]);
            }
            sqlite3_bind_int64(a.st(), n, m_ids[static_cast<std::size_t>(m_pos)]);
            a.schritt();
        }
    } else {
        if (geaendert.empty()) {
            sql = QStringLiteral("INSERT INTO ") + m_sqlTabelle + QStringLiteral(" DEFAULT VALUES");
        } else {
            QString namen;
            QString fragen;
            for (std::size_t k = 0; k < geaendert.size(); ++k) {
                namen += (k == 0 ? QString() : QStringLiteral(", ")) +
                         m_sqlNamen[static_cast<qsizetype>(geaendert[k])];
                fragen += k == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
            }
            sql = QStringLiteral("INSERT INTO ") + m_sqlTabelle + QStringLiteral(" (") + namen +
                  QStringLiteral(") VALUES (") + fragen + QLatin1Char(')');
        }
        Anweisung a(m_db, sql, Anweisung::Cache::Ja);
        int n = 1;
        for (std::size_t i : geaendert) {
            binden(a.st(), n++, m_puffer[i]);
        }
        a.schritt();
        // A new row joins the key set at its end; the current row stays current.
        m_ids.push_back(sqlite3_last_insert_rowid(m_db.handle()));
        if (m_pos < 0) {
            m_pos = 0;
        }
    }
    m_bearbeitung = Bearbeitung::Keine;
    m_aktuellGelesen = false;
}

void Recordset::cancelUpdate() {
    m_bearbeitung = Bearbeitung::Keine;
}

void Recordset::deleteRow() {
    if (m_art != Art::Dynaset) {
        throw Fehler(QStringLiteral("Die Datensätze können nicht geändert werden."));
    }
    if (m_geloescht || bof() || eof()) {
        throw Fehler(QStringLiteral("Kein aktueller Datensatz."));
    }
    Anweisung a(m_db,
                QStringLiteral("DELETE FROM ") + m_sqlTabelle + QStringLiteral(" WHERE rowid = ?"),
                Anweisung::Cache::Ja);
    sqlite3_bind_int64(a.st(), 1, m_ids[static_cast<std::size_t>(m_pos)]);
    a.schritt();
    m_ids.erase(m_ids.begin() + m_pos);
    m_geloescht = true;
    m_aktuellGelesen = false;
}

#include "settings/StoreConnection.h"

#include "settings/Settings.h"
#include "settings/SettingsTexts.h"
#include "settings/StoreFiles.h"
#include "settings/StoreLocation.h"
#include "settings/ValueEncoding.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QThread>
#include <QUrl>

#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

namespace pathwick::store {

namespace {

// Long enough for another running copy to finish any write it makes.
constexpr int BusyTimeoutMs = 10000;

constexpr const char* Schema = R"(
BEGIN IMMEDIATE;
CREATE TABLE IF NOT EXISTS setting_keys(
    id INTEGER PRIMARY KEY,
    root INTEGER NOT NULL,
    folded TEXT NOT NULL,
    path TEXT NOT NULL,
    UNIQUE(root, folded));
CREATE TABLE IF NOT EXISTS setting_values(
    id INTEGER PRIMARY KEY,
    key_id INTEGER NOT NULL REFERENCES setting_keys(id),
    folded TEXT NOT NULL,
    name TEXT NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    UNIQUE(key_id, folded));
CREATE INDEX IF NOT EXISTS setting_values_order ON setting_values(key_id, id);
COMMIT;
)";

// New values get the highest id, an overwrite keeps its row: ordering by id is the order
// of first writing.
constexpr const char* Statements[] = {
    "SELECT id FROM setting_keys WHERE root = ?1 AND folded = ?2",
    "INSERT INTO setting_keys(root, folded, path) VALUES(?1, ?2, ?3) RETURNING id",
    "SELECT v.data FROM setting_values v JOIN setting_keys k ON k.id = v.key_id "
    "WHERE k.root = ?1 AND k.folded = ?2 AND v.folded = ?3",
    "INSERT INTO setting_values(key_id, folded, name, type, data) VALUES(?1, ?2, ?3, ?4, ?5) "
    "ON CONFLICT(key_id, folded) DO UPDATE SET type = excluded.type, data = excluded.data",
    "DELETE FROM setting_values WHERE key_id = ?1 AND folded = ?2",
    "DELETE FROM setting_values WHERE key_id = ?1 AND type = ?2",
    "SELECT name, type FROM setting_values WHERE key_id = ?1 ORDER BY id",
    "PRAGMA data_version",
};
static_assert(std::size(Statements) == size_t(Query::Count));

// The columns of the tables above, as readLayout() lists them.
const QStringList OurColumns = {
    "setting_keys.folded", "setting_keys.id",       "setting_keys.path", "setting_keys.root",
    "setting_values.data", "setting_values.folded", "setting_values.id", "setting_values.key_id",
    "setting_values.name", "setting_values.type"};

bool isUnreadable(int sqliteCode) {
    const int primary = sqliteCode & 0xff;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

QString errnoReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Held while a copy finds out whether the store is damaged, moves it aside and creates the
// new one, so that copies starting together never move aside each other's fresh store. A
// lock file that cannot be made (read-only folder) leaves nothing to move or create anyway.
class OpeningLock {
public:
    explicit OpeningLock(const QString& storeFile)
        : fd_(::open(QFile::encodeName(storeFile + QStringLiteral(".lock")).constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~OpeningLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpeningLock(const OpeningLock&) = delete;
    OpeningLock& operator=(const OpeningLock&) = delete;

private:
    int fd_;
};

bool isAccessProblem(int sqliteCode) {
    const int primary = sqliteCode & 0xff;
    return primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM;
}

} // namespace

int resultFromSqlite(int sqliteCode) {
    switch (sqliteCode & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return SettingResult::Success;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
        return SettingResult::AccessDenied;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return SettingResult::Busy;
    case SQLITE_FULL:
        return SettingResult::DiskFull;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return SettingResult::StoreCorrupt;
    default:
        return SettingResult::StoreFailed;
    }
}

Connection& Connection::instance() {
    static Connection connection;
    return connection;
}

Connection::~Connection() {
    release();
}

int Connection::ensureOpen() {
    if (db_)
        return 0;
    if (failure_ != 0)
        return failure_;

    const QString path = storePath();
    if (const int error = makeStoreFolder(path)) {
        giveUp(SettingResult::AccessDenied, settings_texts::storeUnavailable(path, errnoReason(error)));
        return failure_;
    }
    const OpeningLock lock(path);
    if (const int error = makeStoreFile(path)) {
        giveUp(SettingResult::AccessDenied, settings_texts::storeUnavailable(path, errnoReason(error)));
        return failure_;
    }

    Attempt attempt = openAt(path);
    if (attempt.sqliteCode == SQLITE_OK) {
        if (readOnly_)
            notice_ = settings_texts::storeReadOnly(path);
        return 0;
    }
    // A store kept busy by another copy is no reason to give up for good: the next call
    // tries again.
    if (resultFromSqlite(attempt.sqliteCode) == SettingResult::Busy)
        return SettingResult::Busy;
    if (!attempt.unreadable) {
        giveUp(resultFromSqlite(attempt.sqliteCode), settings_texts::storeUnavailable(path, attempt.reason));
        return failure_;
    }

    const QString movedTo = moveStoreAside(path, QDateTime::currentDateTime());
    if (movedTo.isEmpty()) {
        giveUp(SettingResult::StoreCorrupt, settings_texts::storeNotMoved(path, attempt.reason));
        return failure_;
    }
    const QString moved = settings_texts::storeMovedAside(path, attempt.reason, movedTo);
    const int error = makeStoreFile(path);
    attempt = error ? Attempt{SQLITE_CANTOPEN, errnoReason(error)} : openAt(path);
    if (attempt.sqliteCode != SQLITE_OK) {
        giveUp(resultFromSqlite(attempt.sqliteCode),
               moved + QStringLiteral("\n\n") + settings_texts::storeUnavailable(path, attempt.reason));
        return failure_;
    }
    notice_ = readOnly_ ? moved + QStringLiteral("\n\n") + settings_texts::storeReadOnly(path) : moved;
    return 0;
}

Connection::Attempt Connection::openAt(const QString& path) {
    // Another copy opening the same new store at this moment may hold the lock that the
    // switch to WAL needs; SQLite then answers busy at once instead of waiting, so wait here.
    const QDeadlineTimer deadline(BusyTimeoutMs);
    for (;;) {
        const Attempt attempt = openOnce(path);
        if (resultFromSqlite(attempt.sqliteCode) != SettingResult::Busy || deadline.hasExpired())
            return attempt;
        QThread::msleep(5);
    }
}

Connection::Attempt Connection::openOnce(const QString& path) {
    Attempt attempt = openWith(path.toUtf8(), SQLITE_OPEN_READWRITE);
    // In a read-only folder the journal files cannot be made, and nobody can write the store:
    // it is read as it stands.
    if (isAccessProblem(attempt.sqliteCode)) {
        const QByteArray unchanging = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
        const Attempt reading = openWith(unchanging, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        if (reading.sqliteCode == SQLITE_OK)
            return reading;
    }
    return attempt;
}

Connection::Attempt Connection::openWith(const QByteArray& name, int flags) {
    const int rc = sqlite3_open_v2(name.constData(), &db_, flags, nullptr);
    Attempt attempt;
    if (rc != SQLITE_OK) {
        attempt = {rc, QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)),
                   isUnreadable(rc)};
    } else {
        sqlite3_busy_timeout(db_, BusyTimeoutMs);
        attempt = prepareStore();
    }
    if (attempt.sqliteCode != SQLITE_OK)
        release();
    return attempt;
}

Connection::Attempt Connection::prepareStore() {
    const bool readOnly = sqlite3_db_readonly(db_, "main") == 1;
    readOnly_ = readOnly;
    auto failed = [&](int rc, bool unreadable) {
        return Attempt{rc, QString::fromUtf8(sqlite3_errmsg(db_)), unreadable || isUnreadable(rc)};
    };

    // A database of another layout is not a store we can read: it is moved aside like a
    // damaged one, before anything is written to it. A damaged one shows below.
    const Layout layout = readLayout();
    if (layout == Layout::Foreign)
        return {SQLITE_NOTADB, settings_texts::otherLayout(), true};

    int rc = execute("PRAGMA journal_mode=WAL");
    if (rc != SQLITE_OK && (!readOnly || isUnreadable(rc)))
        return failed(rc, false);
    rc = execute("PRAGMA synchronous=NORMAL");
    if (rc != SQLITE_OK)
        return failed(rc, false);

    sqlite3_stmt* check = nullptr;
    rc = sqlite3_prepare_v2(db_, "PRAGMA quick_check(1)", -1, &check, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(check);
        if (rc == SQLITE_ROW) {
            const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
            const bool ok = verdict && std::strcmp(verdict, "ok") == 0;
            const QString reason = QString::fromUtf8(verdict ? verdict : "");
            sqlite3_finalize(check);
            if (!ok)
                return {SQLITE_CORRUPT, reason, true};
            rc = SQLITE_OK;
        } else {
            sqlite3_finalize(check);
        }
    }
    if (rc != SQLITE_OK)
        return failed(rc, false);

    if (!readOnly) {
        rc = execute(Schema);
        if (rc != SQLITE_OK) {
            const Attempt attempt = failed(rc, false);
            rollbackIfOpen();
            return attempt;
        }
        // A store whose folder or journal cannot be written opens but cannot take a write.
        rc = execute("BEGIN IMMEDIATE");
        if (rc == SQLITE_OK)
            execute("COMMIT");
        else if (isAccessProblem(rc))
            readOnly_ = true;
    }
    for (size_t i = 0; i < statements_.size(); ++i) {
        rc = sqlite3_prepare_v3(db_, Statements[i], -1, SQLITE_PREPARE_PERSISTENT, &statements_[i],
                                nullptr);
        // A read-only store without our tables could not be laid out: an access problem.
        if (rc != SQLITE_OK)
            return failed(rc, rc == SQLITE_ERROR && (!readOnly || layout == Layout::Ours));
    }
    return {};
}

Connection::Layout Connection::readLayout() {
    // Every column of every table, SQLite's own tables left out.
    sqlite3_stmt* query = nullptr;
    int rc = sqlite3_prepare_v2(db_,
                                "SELECT m.name || '.' || c.name FROM sqlite_schema m, "
                                "pragma_table_info(m.name) c WHERE m.type = 'table' AND "
                                "m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY 1",
                                -1, &query, nullptr);
    QStringList columns;
    if (rc == SQLITE_OK)
        while ((rc = sqlite3_step(query)) == SQLITE_ROW)
            columns.append(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(query, 0))));
    sqlite3_finalize(query);
    if (rc != SQLITE_DONE)
        return Layout::Unknown;
    if (columns.isEmpty())
        return Layout::Empty;
    return columns == OurColumns ? Layout::Ours : Layout::Foreign;
}

int Connection::execute(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

void Connection::rollbackIfOpen() {
    if (db_ && !sqlite3_get_autocommit(db_))
        execute("ROLLBACK");
}

void Connection::release() {
    for (sqlite3_stmt*& statement : statements_) {
        sqlite3_finalize(statement);
        statement = nullptr;
    }
    if (db_) {
        rollbackIfOpen();
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void Connection::giveUp(int code, const QString& notice) {
    failure_ = code;
    notice_ = notice;
}

int Connection::write(const std::function<int()>& work) {
    ++changes_;
    if (transaction_ == Transaction::Failed)
        return transactionFailure_;
    if (const int code = ensureOpen())
        return code;
    if (transaction_ == Transaction::Open) {
        // SQLite ends a transaction by itself on some errors; writing on outside it would
        // break the all-or-nothing promise.
        if (sqlite3_get_autocommit(db_)) {
            transaction_ = Transaction::Failed;
            transactionFailure_ = SettingResult::StoreFailed;
            return transactionFailure_;
        }
        // A failed statement is undone on its own, but the group must not keep the rest.
        const int result = work();
        if (result != SettingResult::Success) {
            transaction_ = Transaction::Failed;
            transactionFailure_ = result;
        }
        return result;
    }
    int rc = execute("BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return resultFromSqlite(rc);
    const int result = work();
    if (result == SettingResult::Success) {
        rc = execute("COMMIT");
        if (rc == SQLITE_OK)
            return result;
    }
    rollbackIfOpen();
    return result != SettingResult::Success ? result : resultFromSqlite(rc);
}

QString Connection::takeNotice() {
    ensureOpen();
    QString notice;
    notice.swap(notice_);
    return notice;
}

void Connection::close() {
    release();
    readOnly_ = false;
    failure_ = 0;
    notice_.clear();
    transaction_ = Transaction::None;
    transactionFailure_ = 0;
    depth_ = 0;
    ++generation_;
    ++changes_;
}

Connection::Scope Connection::enterTransaction() {
    const Scope scope{generation_, depth_ == 0};
    ++depth_;
    if (scope.owner) {
        int code = ensureOpen();
        if (code == 0)
            code = resultFromSqlite(execute("BEGIN IMMEDIATE"));
        transaction_ = code == 0 ? Transaction::Open : Transaction::Failed;
        transactionFailure_ = code;
    }
    return scope;
}

bool Connection::commitTransaction(const Scope& scope) {
    if (scope.generation != generation_)
        return false;
    if (!scope.owner)
        return transaction_ == Transaction::Open;
    bool committed = false;
    if (transaction_ == Transaction::Open && db_ && !sqlite3_get_autocommit(db_))
        committed = execute("COMMIT") == SQLITE_OK;
    if (!committed)
        rollbackIfOpen();
    transaction_ = Transaction::None;
    return committed;
}

void Connection::leaveTransaction(const Scope& scope, bool committed) {
    if (scope.generation != generation_)
        return;
    ++changes_;
    --depth_;
    if (committed)
        return;
    if (scope.owner) {
        if (transaction_ != Transaction::None)
            rollbackIfOpen();
        transaction_ = Transaction::None;
    } else if (transaction_ == Transaction::Open) {
        // An inner scope gave up: the whole group is undone when the outer one ends.
        transaction_ = Transaction::Failed;
        transactionFailure_ = SettingResult::StoreFailed;
    }
}

StatementUse::StatementUse(Query query) : statement_(Connection::instance().statement(query)) {}

StatementUse::~StatementUse() {
    sqlite3_reset(statement_);
}

void StatementUse::bind(int index, qint64 number) {
    sqlite3_bind_int64(statement_, index, number);
}

// As UTF-8 bytes: SQLite would take a leading U+FEFF or U+FFFE of UTF-16 text for a
// byte-order mark and drop or byte-swap it.
void StatementUse::bind(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void StatementUse::bind(int index, const QByteArray& blob) {
    sqlite3_bind_blob(statement_, index, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
}

int StatementUse::step() {
    return sqlite3_step(statement_);
}

qint64 StatementUse::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

QString StatementUse::text(int column) const {
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return textFromUtf8(QByteArrayView(utf8, sqlite3_column_bytes(statement_, column)));
}

QByteArray StatementUse::blob(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    return QByteArray(bytes, sqlite3_column_bytes(statement_, column));
}

} // namespace pathwick::store

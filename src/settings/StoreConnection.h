#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace pathwick::store {

// The statements the settings operations run; prepared once per connection.
enum class Query {
    FindKey,
    InsertKey,
    FindValue,
    UpsertValue,
    DeleteValue,
    DeleteValuesOfType,
    ListValues,
    DataVersion,
    Count
};

// The registry-style result code for an SQLite result: access problems give 5.
int resultFromSqlite(int sqliteCode);

// The process's one connection to the store, opened on first use from storePath(), with its
// prepared statements. A store that cannot be read as one (damaged, or a database of another
// layout) is moved aside and replaced by an empty one; a store that cannot be opened at all
// leaves every operation failing with a result code, so callers keep their defaults; a store
// that opens but cannot be written is read, and the user is told once. Used from the
// user-interface thread only.
class Connection {
public:
    static Connection& instance();
    ~Connection();

    // 0 when the store is open; otherwise the code every operation reports until close().
    int ensureOpen();
    // A prepared statement; only valid after ensureOpen() returned 0.
    sqlite3_stmt* statement(Query query) const { return statements_[size_t(query)]; }

    // Runs work as one write: inside the running SettingsTransaction, whose whole group then
    // fails when work fails, or else in a transaction of its own that is undone when work
    // fails. Returns work's result.
    int write(const std::function<int()>& work);

    QString takeNotice();
    void close();

    // Counts what this process did that may change what the connection reads: writes, the
    // end of a transaction (it may roll back) and reopening. Commits of other connections
    // show in SQLite's data_version instead.
    quint64 changes() const { return changes_; }

    // Process-wide transaction state behind SettingsTransaction.
    struct Scope {
        quint64 generation = 0;
        bool owner = false;
    };
    Scope enterTransaction();
    bool commitTransaction(const Scope& scope);
    void leaveTransaction(const Scope& scope, bool committed);

private:
    Connection() = default;

    struct Attempt {
        int sqliteCode = 0;
        QString reason;
        bool unreadable = false; // not a store we can read: to be moved aside
    };
    Attempt openAt(const QString& path);
    Attempt openOnce(const QString& path);
    Attempt openWith(const QByteArray& name, int flags);
    Attempt prepareStore();
    enum class Layout { Empty, Ours, Foreign, Unknown };
    Layout readLayout();
    int execute(const char* sql);
    void rollbackIfOpen();
    void release();
    void giveUp(int code, const QString& notice);

    enum class Transaction { None, Open, Failed };

    sqlite3* db_ = nullptr;
    std::array<sqlite3_stmt*, size_t(Query::Count)> statements_{};
    int failure_ = 0;
    bool readOnly_ = false;
    QString notice_;
    Transaction transaction_ = Transaction::None;
    int transactionFailure_ = 0;
    int depth_ = 0;
    quint64 generation_ = 0;
    quint64 changes_ = 0;
};

// One use of a cached statement: binds, steps, and resets it on leaving the scope.
class StatementUse {
public:
    explicit StatementUse(Query query);
    ~StatementUse();
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

    void bind(int index, qint64 number);
    void bind(int index, const QString& text);
    void bind(int index, const QByteArray& blob);
    int step();
    qint64 integer(int column) const;
    QString text(int column) const;
    QByteArray blob(int column) const;

private:
    sqlite3_stmt* statement_;
};

} // namespace pathwick::store

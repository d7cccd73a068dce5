// One table of named text fields and text records, with a record cursor, read from and written to
// a record file ("MLB") whole.
#pragma once

#include "tconcordances.h"
#include "tklist.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// Positions of fields and records count from 1. Every value is text, whatever the field's type
// label ("STRING" or "FLOAT"); in the file a text is stored as its UTF-8 bytes.
//
// A file is read completely into a separate table first and replaces this one only when it was
// read without error, so a damaged file never leaves a half-read table behind. Saving replaces the
// file atomically: when it fails, the file keeps its previous contents.
class TMlb2
{
public:
    enum ErrorCodes { NoError = 0, FormatError = 2, FileError = 3 };

    TMlb2();

    bool LoadFromFile(const QString &path);
    bool LoadFromData(const QByteArray &data);
    bool SaveToFile(const QString &path);
    // The file image of the table, as SaveToFile writes it.
    QByteArray SaveToData() const;
    void Clear();

    QString TableName() const { return m_tableName; }
    void SetTableName(const QString &name) { m_tableName = name; }

    bool AddField(const QString &name);
    int FieldCount() const { return m_fieldNames.Count(); }
    QString FieldName(int field) const;
    QString FieldType(int field) const;
    void SetFieldType(int field, const QString &type);

    int RecordCount() const { return m_records.Count(); }
    bool IsEmpty() const { return RecordCount() < 1; }
    bool AddRecord();
    bool DeleteRecord(int record);

    bool First();
    bool Last();
    bool Next();
    bool GoToRecord(int record);
    int RecNo() const;
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }

    // Empty text when either position is out of range.
    QString Value(int field, int record) const;
    QString FieldByName(const QString &name) const;
    bool SetFieldByName(const QString &name, const QString &value);
    QString FieldValue(int field) const;
    bool SetFieldValue(int field, const QString &value);

    // Searches forward from the record after the current one (from the first when none is current)
    // for a record whose value of `fieldName` compares with `value` by `op`: "<", ">", "=", "<=",
    // ">=" (byte-wise, case-sensitive) or "LIKE" in any case (see TConcordances). The first match
    // becomes current; without one the cursor stays where it was and the result is false.
    bool Locate(const QString &fieldName, const QString &op, const QString &value);

    int ErrorCode() const { return m_errorCode; }
    QString ErrorText() const { return m_errorText; }

    TConcordances &Concordances() { return m_concordances; }
    const TConcordances &Concordances() const { return m_concordances; }

private:
    void clearError();
    void setError(int code, const QString &text);
    bool hasCurrentRecord() const { return m_records.IsValidPosition(m_cursor); }
    void setCurrent(int record);

    QString m_tableName;
    TKStringList m_fieldNames;
    TKStringList m_fieldTypes;
    QHash<QString, int> m_fieldPositions;
    TKBaseList m_records;
    // May lie beyond the last record after a deletion; it then counts as no current record.
    int m_cursor = 0;
    bool m_bof = true;
    bool m_eof = true;
    int m_errorCode = NoError;
    QString m_errorText;
    TConcordances m_concordances;
};

// TBEdit: a one-line edit box that filters the characters typed into it (the numeric fields of
// the dialogs). Text pasted or set by the program is taken as it is.
#pragma once

#include <QLineEdit>
#include <QString>

enum TSub {
    suNone,    // every character is accepted
    suInclude, // only the characters of SubText (and control keys) are accepted
    suExclude, // the characters of SubText are refused
};

class TBEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(TSub Sub READ Sub WRITE SetSub)
    Q_PROPERTY(QString SubText READ SubText WRITE SetSubText)

public:
    explicit TBEdit(QWidget *parent = nullptr);
    ~TBEdit() override;

    TSub Sub() const { return m_Sub; }
    void SetSub(TSub sub) { m_Sub = sub; }
    QString SubText() const { return m_SubText; }
    void SetSubText(const QString &characters) { m_SubText = characters; }

    // Whether the filter lets the typed text through.
    bool AcceptsTyped(const QString &typed) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    TSub m_Sub = suNone;
    QString m_SubText;
};

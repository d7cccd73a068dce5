// TBLabel: a one-line label that highlights itself while the mouse is over it and cuts its text
// to its rectangle with an ellipsis (the marquee, the hover labels of the settings dialog).
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

enum TFitType {
    ftNormal,   // cut at the end: "Beginning of the te…"
    ftFilename, // cut inside, keeping the end: "/home/user/…/file.txt"
};

enum TVertAlign { vaTop, vaCenter, vaBottom };

class TBLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool FitInRect READ FitInRect WRITE SetFitInRect)
    Q_PROPERTY(TFitType FitType READ FitType WRITE SetFitType)
    Q_PROPERTY(bool Hover READ Hover WRITE SetHover)
    Q_PROPERTY(int HoverStyle READ HoverStyle WRITE SetHoverStyle)
    Q_PROPERTY(QColor HoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(QColor HoverBGColor READ HoverBGColor WRITE SetHoverBGColor)
    Q_PROPERTY(QString Execute READ Execute WRITE SetExecute)
    Q_PROPERTY(bool ExecuteFile READ ExecuteFile WRITE SetExecuteFile)
    Q_PROPERTY(bool UseHoverBGColor READ UseHoverBGColor WRITE SetUseHoverBGColor)
    Q_PROPERTY(TVertAlign AlignVert READ AlignVert WRITE SetAlignVert)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)

public:
    // Bits of HoverStyle.
    static constexpr int StyleBold = 1;
    static constexpr int StyleItalic = 2;
    static constexpr int StyleUnderline = 4;
    static constexpr int StyleStrikeOut = 8;

    explicit TBLabel(QWidget *parent = nullptr);
    explicit TBLabel(const QString &text, QWidget *parent = nullptr);
    ~TBLabel() override;

    // Cut the text to the rectangle (with an ellipsis) and align it per alignment() and
    // AlignVert; otherwise it is drawn whole from the top left.
    bool FitInRect() const { return m_FitInRect; }
    void SetFitInRect(bool fit);
    TFitType FitType() const { return m_FitType; }
    void SetFitType(TFitType type);

    // Hover, HoverStyle, the colours, Execute and ExecuteFile take effect at the next paint or
    // press; they do not repaint by themselves.
    bool Hover() const { return m_Hover; }
    void SetHover(bool hover) { m_Hover = hover; }
    // Font styles while hovered: a set of Style* bits; replaces the font's own styles.
    int HoverStyle() const { return m_HoverStyle; }
    void SetHoverStyle(int styles) { m_HoverStyle = styles & 15; }
    QColor HoverColor() const { return m_HoverColor; }
    void SetHoverColor(const QColor &color);
    QColor HoverBGColor() const { return m_HoverBGColor; }
    void SetHoverBGColor(const QColor &color);
    // What a left press opens when ExecuteFile is set: a file, folder or address.
    QString Execute() const { return m_Execute; }
    void SetExecute(const QString &target) { m_Execute = target; }
    bool ExecuteFile() const { return m_ExecuteFile; }
    void SetExecuteFile(bool execute) { m_ExecuteFile = execute; }
    bool UseHoverBGColor() const { return m_UseHoverBGColor; }
    void SetUseHoverBGColor(bool use) { m_UseHoverBGColor = use; }

    TVertAlign AlignVert() const { return m_AlignVert; }
    void SetAlignVert(TVertAlign align);
    // Blank pixels on every side of the text, 0..255; other values are clamped.
    int Margin() const { return m_Margin; }
    void SetMargin(int margin);

    // True while the mouse is over the label (and Hover was set when it entered).
    bool IsHovered() const { return m_Hovered; }
    // The text exactly as it is drawn now, ellipsis included, "&" accelerator marks kept.
    QString VisibleText() const;
    // Clicks the label: emits clicked(). The accelerator ("&x" in the text) does this too,
    // unless the label is given another widget as buddy, which then gets the focus instead.
    void Click();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void clicked();
    // A left press asks to open Execute. Without a receiver the label opens it with the
    // desktop's default application.
    void ExecuteRequested(const QString &target);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void Init();
    QFont PaintFont() const;
    QRect TextRect() const;
    int TextFlags() const;
    QString VisibleTextFor(const QFont &font) const;
    void RequestExecute();

    bool m_FitInRect = true;
    TFitType m_FitType = ftNormal;
    bool m_Hover = true;
    int m_HoverStyle = StyleUnderline;
    QColor m_HoverColor = QColor(Qt::red);
    QColor m_HoverBGColor;
    QString m_Execute;
    bool m_ExecuteFile = false;
    bool m_UseHoverBGColor = false;
    TVertAlign m_AlignVert = vaTop;
    int m_Margin = 0;

    bool m_Hovered = false;
    bool m_LeftPressed = false;
};

#include "dialogs/tthemepage.h"

#include "ui_tthemepage.h"

#include "appearance/colorconversion.h"
#include "appearance/themesfile.h"
#include "base/inifile.h"
#include "controls/tbprogressbar.h"
#include "controls/tcolorselector.h"
#include "controls/tgradientrect.h"
#include "controls/tshape.h"
#include "foundation/appinfo.h"
#include "foundation/datafiles.h"
#include "foundation/messages.h"

#include <QMouseEvent>

namespace {

const QString kThemeSection = QStringLiteral("theme");

// Elements whose "Color2:" editor has a slot of its own.
bool HasSecondColor(const ThemeElement &element)
{
    return element.color2 != nullptr;
}

// Elements without text have nothing for the font panel.
bool HasFontColor(const ThemeElement &element)
{
    return element.fontColor != nullptr;
}

// The theme of a section, key by key: a colour text that cannot be read takes its default and is
// kept in unread (key to text) so that it is not lost.
ThemeColors ReadThemeLeniently(const IniFile &ini, const QString &section, QHash<QString, QString> &unread)
{
    ThemeColors theme = DefaultThemeColors();
    for (const ThemeColorKey &key : ThemeColorKeys()) {
        const QString name = QLatin1String(key.key);
        if (!ini.ValueExists(section, name))
            continue;
        const QString text = ini.ReadString(section, name);
        if (const std::optional<TColor> color = ParseThemeColor(text))
            theme.*key.member = *color;
        else
            unread.insert(name, text);
    }
    theme.infobarProgressFontStyles = ini.ReadInteger(section, kThemeFontStylesKey, 0) & fsAllStyles;
    return theme;
}

} // namespace

TThemePage::TThemePage(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TThemePage>()), m_Theme(DefaultThemeColors())
{
    ui->setupUi(this);

    ui->ComboBox4->addItems({kMenubarGroup, kInfobarGroup});
    for (QComboBox *list : {ui->ComboBox6, ui->ComboBox7, ui->ComboBox8})
        list->addItems(SystemColorListEntries());
    const ColorResolver resolver = [this](quint32 value) { return ColorToQColor(value, palette()); };
    for (TColorSelector *selector : {ui->ColorSelector1, ui->ColorSelector2, ui->ColorSelector3})
        selector->SetColorResolver(resolver);

    SetUpPreview();
    ConnectHandlers();

    ReadThemeList();
    ui->ComboBox4->setCurrentIndex(0);
    m_Ready = true;
    ComboBox4Select();
}

TThemePage::~TThemePage() = default;

// The miniature's fixed parts; every part chooses its element when clicked.
void TThemePage::SetUpPreview()
{
    ui->BProgressBar1->SetPrefix(QStringLiteral(" CPU: "));
    ui->BProgressBar1->SetPosition(50);
    ui->BProgressBar2->SetPrefix(QStringLiteral(" RAM: "));
    ui->BProgressBar2->SetPosition(100);
    for (TBProgressBar *bar : {ui->BProgressBar1, ui->BProgressBar2})
        bar->SetAlignment(Qt::AlignLeft);
    ui->Label9->setAttribute(Qt::WA_TranslucentBackground);
    for (QWidget *part : std::initializer_list<QWidget *>{
             ui->Shape2, ui->Label21, ui->Shape3, ui->Label22, ui->Shape4, ui->Label23, ui->Label24,
             ui->GradientRect1, ui->Label9, ui->Shape5, ui->Shape6, ui->BProgressBar1, ui->BProgressBar2})
        part->installEventFilter(this);
}

void TThemePage::ConnectHandlers()
{
    connect(ui->ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Select(); });
    connect(ui->ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Select(); });
    connect(ui->ComboBox5, &QComboBox::activated, this, [this] { ComboBox5Select(); });
    connect(ui->Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    connect(ui->Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    const std::pair<TColorSelector *, QComboBox *> editors[] = {
        {ui->ColorSelector1, ui->ComboBox6},
        {ui->ColorSelector3, ui->ComboBox8},
        {ui->ColorSelector2, ui->ComboBox7},
    };
    for (const auto &editor : editors) {
        // Named copies: clang before 16 cannot capture structured bindings.
        TColorSelector *selector = editor.first;
        QComboBox *list = editor.second;
        connect(list, &QComboBox::activated, this, [this, selector, list] { SystemColorChosen(selector, list); });
        connect(selector, &TColorSelector::OnChangeColor, this, [this, list] { SelectorColorChosen(list); });
    }
    for (QToolButton *button : {ui->SpeedButton1, ui->SpeedButton2, ui->SpeedButton3, ui->SpeedButton4})
        connect(button, &QToolButton::clicked, this, [this] { ApplyEditors(); });
}

QString TThemePage::ThemesFile() const
{
    return DataFilePath(dfThemes);
}

QString TThemePage::CurrentElement() const
{
    return m_Element ? QLatin1String(m_Element->name) : QString();
}

void TThemePage::LoadCurrentTheme(const IniFile &settings)
{
    m_UnreadTexts.clear();
    LoadTheme(ReadThemeLeniently(settings, kThemeSection, m_UnreadTexts));
}

void TThemePage::SaveCurrentTheme(IniFile &settings) const
{
    for (const ThemeColorKey &key : ThemeColorKeys()) {
        const QString name = QLatin1String(key.key);
        const auto unread = m_UnreadTexts.constFind(name);
        settings.WriteString(kThemeSection, name,
                             unread != m_UnreadTexts.cend() ? *unread : ColorToStoredText(m_Theme.*key.member));
    }
    settings.WriteInteger(kThemeSection, kThemeFontStylesKey, m_Theme.infobarProgressFontStyles & fsAllStyles);
    settings.WriteString(kThemeSection, QStringLiteral("versionstring"), kAppTitle);
    settings.WriteString(kThemeSection, QStringLiteral("version"), kFormatVersion);
}

// A new theme: the group's first element is chosen again and the preview shows it.
void TThemePage::LoadTheme(const ThemeColors &theme)
{
    m_Theme = theme;
    ComboBox4Select();
}

void TThemePage::ComboBox4Select()
{
    const bool menubar = ui->ComboBox4->currentIndex() != 1;
    ui->Panel5->setCurrentWidget(menubar ? ui->TabSheet1 : ui->TabSheet2);
    ui->ComboBox5->clear();
    ui->ComboBox5->addItems(ThemeElementsOfGroup(menubar ? kMenubarGroup : kInfobarGroup));
    ui->ComboBox5->setCurrentIndex(0);
    ComboBox5Select();
}

void TThemePage::ComboBox5Select()
{
    ChooseElement(ui->ComboBox5->currentText());
}

void TThemePage::SetColor2Enabled(bool enabled)
{
    for (QWidget *control : std::initializer_list<QWidget *>{ui->Label4, ui->ComboBox8, ui->ColorSelector3})
        control->setEnabled(enabled);
}

// The panel's controls follow the panel; within it the style buttons only for text with styles.
void TThemePage::SetFontPanelEnabled(bool enabled, bool styles)
{
    ui->Panel3->setEnabled(enabled);
    for (QWidget *control : std::initializer_list<QWidget *>{ui->Label5, ui->ColorSelector2, ui->ComboBox7})
        control->setEnabled(enabled);
    for (QWidget *control : std::initializer_list<QWidget *>{ui->Label6, ui->SpeedButton1, ui->SpeedButton2,
                                                             ui->SpeedButton3, ui->SpeedButton4})
        control->setEnabled(enabled && styles);
}

// "Color2:" is enabled only where it has a slot: the progress element without a gradient end
// would otherwise offer an editor that changes nothing.
void TThemePage::ChooseElement(const QString &name)
{
    m_Element = FindThemeElement(name);
    m_Binding = true;
    const bool fontPanel = m_Element && HasFontColor(*m_Element);
    SetColor2Enabled(m_Element && HasSecondColor(*m_Element));
    SetFontPanelEnabled(fontPanel, m_Element && m_Element->fontStyles);
    for (QWidget *control : std::initializer_list<QWidget *>{ui->Label3, ui->ComboBox6, ui->ColorSelector1})
        control->setEnabled(m_Element != nullptr);

    const int styles = m_Element && m_Element->fontStyles ? m_Theme.infobarProgressFontStyles : 0;
    ui->SpeedButton1->setChecked(styles & fsBold);
    ui->SpeedButton2->setChecked(styles & fsItalic);
    ui->SpeedButton3->setChecked(styles & fsUnderline);
    ui->SpeedButton4->setChecked(styles & fsStrikeOut);

    const auto colorOf = [this](ThemeColorSlot slot) { return slot ? m_Theme.*slot : TColor(0); };
    BindColorEditor(ui->ColorSelector1, ui->ComboBox6, colorOf(m_Element ? m_Element->color1 : nullptr));
    BindColorEditor(ui->ColorSelector3, ui->ComboBox8, colorOf(m_Element ? m_Element->color2 : nullptr));
    BindColorEditor(ui->ColorSelector2, ui->ComboBox7, colorOf(m_Element ? m_Element->fontColor : nullptr));
    m_Binding = false;
    RepaintPreview();
}

// The list shows the colour's desktop name when it has one of the listed names, else the empty
// entry; the selector shows the colour.
void TThemePage::BindColorEditor(TColorSelector *selector, QComboBox *list, TColor color)
{
    list->setCurrentIndex(std::max(0, list->findText(SystemColorListName(color), Qt::MatchExactly)));
    selector->SetColor(color);
}

void TThemePage::SystemColorChosen(TColorSelector *selector, QComboBox *list)
{
    const QString name = list->currentText();
    if (!name.isEmpty()) {
        if (const std::optional<TColor> color = ColorFromName(QStringLiteral("cl") + name))
            selector->SetColor(*color);
    }
    ApplyEditors();
}

void TThemePage::SelectorColorChosen(QComboBox *list)
{
    list->setCurrentIndex(0);
    ApplyEditors();
}

void TThemePage::Touch(ThemeColorSlot slot)
{
    for (const ThemeColorKey &key : ThemeColorKeys()) {
        if (key.member == slot)
            m_UnreadTexts.remove(QLatin1String(key.key));
    }
}

// Every bound editor writes its slot, so what the editors show is what the theme holds.
void TThemePage::ApplyEditors()
{
    if (m_Binding || !m_Element)
        return;
    const auto write = [this](ThemeColorSlot slot, const TColorSelector *selector) {
        if (!slot || m_Theme.*slot == selector->Color())
            return;
        m_Theme.*slot = selector->Color();
        Touch(slot);
    };
    write(m_Element->color1, ui->ColorSelector1);
    write(m_Element->color2, ui->ColorSelector3);
    if (ui->Panel3->isEnabled())
        write(m_Element->fontColor, ui->ColorSelector2);
    if (m_Element->fontStyles && ui->SpeedButton1->isEnabled()) {
        m_Theme.infobarProgressFontStyles = (ui->SpeedButton1->isChecked() ? fsBold : 0)
            | (ui->SpeedButton2->isChecked() ? fsItalic : 0)
            | (ui->SpeedButton3->isChecked() ? fsUnderline : 0)
            | (ui->SpeedButton4->isChecked() ? fsStrikeOut : 0);
    }
    RepaintPreview();
    Q_EMIT ThemeEdited();
}

void TThemePage::RepaintPreview()
{
    const QPalette pal = palette();
    const auto color = [&pal](TColor value) { return ColorToQColor(value, pal); };
    const auto setText = [](QLabel *label, const QColor &text) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, text.isValid() ? text : QColor(Qt::transparent));
        label->setPalette(labelPalette);
    };
    const ThemeColors &t = m_Theme;

    ui->Shape2->SetBrushColor(color(t.menuColor));
    ui->Shape2->SetPenColor(color(t.menuColor));
    setText(ui->Label21, color(t.menuFontColor));
    ui->Shape3->SetBrushColor(color(t.menuSelectColor));
    ui->Shape3->SetPenColor(color(t.menuSelectColor));
    setText(ui->Label22, color(t.menuSelectFontColor));
    ui->Shape4->SetBrushColor(color(t.menuPopupColor));
    ui->Shape4->SetPenColor(color(t.menuBorderColor));
    ui->Shape5->SetBrushColor(color(t.menuBorderColor));
    ui->Shape5->SetPenColor(color(t.menuBorderColor));
    setText(ui->Label23, color(t.menuPopupFontColor));
    setText(ui->Label24, color(t.menuPopupFontColor));
    ui->GradientRect1->SetColorStart(color(t.menuPopupSelectColor));
    ui->GradientRect1->SetColorEnd(color(t.menuPopupSelectEndColor));
    setText(ui->Label9, color(t.menuPopupSelectFontColor));

    ui->Shape6->SetBrushColor(color(t.infobarColor));
    ui->Shape6->SetPenColor(color(t.infobarColor));
    for (TBProgressBar *bar : {ui->BProgressBar1, ui->BProgressBar2}) {
        bar->SetColorBack(color(t.infobarProgressColor));
        bar->SetColorBorder(color(t.infobarProgressBorderColor));
        bar->SetColorStart(color(t.infobarProgressColorStart));
        bar->SetColorEnd(color(t.infobarProgressColorEnd));
        QPalette barPalette = bar->palette();
        const QColor text = color(t.infobarProgressFontColor);
        barPalette.setColor(QPalette::WindowText, text.isValid() ? text : QColor(Qt::transparent));
        bar->setPalette(barPalette);
        bar->setFont(FontWithStyles(font(), t.infobarProgressFontStyles));
        bar->update();
    }
}

// A click on the preview chooses the element under it: the first bar's left half (its fill at
// 50 %) is the fill, its right half the bar itself.
QString TThemePage::ElementAtPreview(QObject *part, const QPoint &point) const
{
    if (part == ui->Shape2 || part == ui->Label21)
        return QStringLiteral("Menu");
    if (part == ui->Shape3 || part == ui->Label22)
        return QStringLiteral("MenuSelect");
    if (part == ui->Shape4 || part == ui->Label23 || part == ui->Label24)
        return QStringLiteral("MenuPopup");
    if (part == ui->GradientRect1 || part == ui->Label9)
        return QStringLiteral("MenuPopupSelect");
    if (part == ui->Shape5)
        return QStringLiteral("MenuBorder");
    if (part == ui->Shape6)
        return QStringLiteral("InfoBar");
    if (part == ui->BProgressBar1)
        return point.x() > ui->BProgressBar1->width() / 2 ? QStringLiteral("InfoBarProgress")
                                                          : QStringLiteral("InfoBarProgressFill");
    if (part == ui->BProgressBar2)
        return QStringLiteral("InfoBarProgressFill");
    return QString();
}

bool TThemePage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QString element = ElementAtPreview(watched, mouse->position().toPoint());
            if (!element.isEmpty())
                ChooseElementFromPreview(element);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Desktop colours follow the desktop: a new palette paints the preview afresh.
void TThemePage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_Ready)
        RepaintPreview();
}

void TThemePage::ChooseElementFromPreview(const QString &name)
{
    const int index = ui->ComboBox5->findText(name, Qt::MatchExactly);
    if (index < 0)
        return;
    ui->ComboBox5->setCurrentIndex(index);
    ChooseElement(name);
}

void TThemePage::ReadThemeList()
{
    ui->ComboBox1->clear();
    ui->ComboBox1->addItem(QString());
    ui->ComboBox1->addItems(NamedThemes(ThemesFile()));
    ui->ComboBox1->setCurrentIndex(-1);
    ui->Button3->setEnabled(false);
}

void TThemePage::ComboBox1Select()
{
    const QString name = ui->ComboBox1->currentText();
    ui->Button3->setEnabled(ui->ComboBox1->currentIndex() > 0);
    if (ui->ComboBox1->currentIndex() <= 0) {
        SetFontPanelEnabled(false, false);
        return;
    }
    QString error;
    const std::optional<ThemeColors> theme = ReadNamedTheme(ThemesFile(), name, &error);
    if (!theme) {
        ShowError(error, this);
        return;
    }
    m_UnreadTexts.clear();
    LoadTheme(*theme);
    Q_EMIT ThemeEdited();
}

// A themes file that cannot be read is never written over; the user hears why nothing happened.
bool TThemePage::ThemesFileUsable(const IniFile &themes)
{
    if (themes.IsReadable())
        return true;
    ShowError(QStringLiteral("The themes file \"%1\" cannot be read (%2), so it is left as it is.")
                  .arg(themes.FileName(), themes.ReadError()),
              this);
    return false;
}

// A name that cannot be a section name is refused with a word why; an existing one is
// overwritten only when the user agrees. The list is read again in every case.
void TThemePage::Button4Click()
{
    QString name;
    if (!InputQuery(QStringLiteral("Save Theme"), QStringLiteral("Selected a new name for the new theme."), name, this))
        return;
    name = name.trimmed();
    IniFile themes(ThemesFile());
    if (!IsValidThemeName(name)) {
        ShowError(QStringLiteral("A theme needs a name, without \"[\", \"]\" or line breaks."), this);
    } else if (ThemesFileUsable(themes)
               && (!themes.SectionExists(name)
                   || AskQuestion(QStringLiteral("Are you sure you want to overwrite the theme called \"%1\"?").arg(name), this))) {
        themes.SetAutoSave(false);
        if (WriteNamedTheme(themes, name, m_Theme))
            themes.UpdateFile(); // a failed write is reported to the user where files are saved
    }
    ReadThemeList();
}

void TThemePage::Button3Click()
{
    if (ui->ComboBox1->currentIndex() <= 0)
        return;
    const QString name = ui->ComboBox1->currentText();
    if (!AskQuestion(QStringLiteral("Are you sure you want to delete the theme called \"%1\"?").arg(name), this))
        return;
    IniFile themes(ThemesFile());
    if (ThemesFileUsable(themes) && themes.SectionExists(name)) {
        themes.SetAutoSave(false);
        themes.EraseSection(name);
        themes.UpdateFile();
    }
    ReadThemeList();
}

// The Theme page of the settings dialog: edits the current colour theme element by element, with
// colour selectors, desktop colour lists and the font style buttons, over a miniature of the bar
// made of the real controls, which repaints on every change and chooses an element when clicked.
// Named themes are loaded from, saved to and deleted from the themes file here at once; the
// current theme reaches settings.ini only when the settings dialog saves.
#pragma once

#include "appearance/themecolors.h"
#include "dialogs/themeelements.h"

#include <QHash>
#include <QWidget>
#include <memory>

class IniFile;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class TColorSelector;
namespace Ui { class TThemePage; }

class TThemePage : public QWidget
{
    Q_OBJECT

public:
    // Fills the theme list from themes.ini, chooses the "Menubar" group and shows its preview.
    explicit TThemePage(QWidget *parent = nullptr);
    ~TThemePage() override;

    // The editor's theme from section "theme" of settings.ini; missing keys take their defaults.
    // A colour text that cannot be read shows its default and, unless edited, is written back as
    // it stood.
    void LoadCurrentTheme(const IniFile &settings);
    // Writes section "theme": the seventeen keys as signed integers in their order, then
    // "versionstring" and "version". Saves as the file is set to: turn automatic saving off around
    // it to save once.
    void SaveCurrentTheme(IniFile &settings) const;

    // The theme being edited.
    const ThemeColors &Theme() const { return m_Theme; }
    // The element the editors show.
    QString CurrentElement() const;

    // Handlers, named after their components.
    void ComboBox1Select();   // a named theme, or the empty entry
    void ComboBox4Select();   // the element group
    void ComboBox5Select();   // the element
    void Button4Click();      // "Save"
    void Button3Click();      // "Delete"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LoadTheme(const ThemeColors &theme);
    void ChooseElement(const QString &name);
    void ChooseElementFromPreview(const QString &name);
    void BindColorEditor(TColorSelector *selector, QComboBox *list, TColor color);
    void ApplyEditors();
    void SystemColorChosen(TColorSelector *selector, QComboBox *list);
    void SelectorColorChosen(QComboBox *list);
    void RepaintPreview();
    void ReadThemeList();
    void SetFontPanelEnabled(bool enabled, bool styles);
    void SetColor2Enabled(bool enabled);
    QString ElementAtPreview(QObject *part, const QPoint &point) const;
    QString ThemesFile() const;
    bool ThemesFileUsable(const IniFile &themes);
    void Touch(ThemeColorSlot slot);

    std::unique_ptr<Ui::TThemePage> ui;
    ThemeColors m_Theme;
    const ThemeElement *m_Element = nullptr;
    // Keys of settings.ini whose colour text could not be read, with that text, until edited.
    QHash<QString, QString> m_UnreadTexts;
    bool m_Binding = false;
};

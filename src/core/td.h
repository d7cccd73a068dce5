// The data module: Quorix's non-visual centre. It exists before the bar window and after it, holds
// the shared icon caches, reacts to application-wide events (activation, icon theme changes) and
// carries the operations other parts of the program call on it.
#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPointer>

#include "appearance/themecolors.h"
#include <QStringList>

#include <memory>

class DataBar;
class HotkeyCommands;

class TD : public QObject
{
    Q_OBJECT

public:
    explicit TD(QObject *parent = nullptr);
    ~TD() override;

    // The one data module of the running program (null before it is made and after it is gone).
    static TD *Instance();

    // The bar window, once it exists; the module acts on it for activation and theme changes.
    void AttachBar(DataBar *bar);
    DataBar *Bar() const { return m_barWindow.isNull() ? nullptr : m_bar; }

    // Records whether a taskbar window exists and stands in for it when none does, so that
    // programs with notification icons find one. Called by every settings read.
    void CheckTaskbar();
    bool TaskbarPresent() const { return m_taskbarPresent; }
    // Makes the substitute taskbar window; false (after telling the user why) when it failed.
    bool CreateSubstituteTaskbar();

    // Reads the current theme from settings.ini and colours the bar, its menus and the marquee with
    // it; acts only on the bar window. A colour that cannot be read leaves the colours as they were.
    void ApplyTheme(QWidget *form);
    const ThemeColors &CurrentTheme() const { return m_themeColors; }

    // Application events.
    void ApplicationEvents1Activate();
    void ApplicationEvents1Deactivate();
    // The desktop's icon theme (or style) changed: the whole bar is rebuilt with the new icons.
    void ApplicationEvents1SettingChange();
    // The desktop named another icon theme: use it and rebuild (an empty or the current name
    // changes nothing).
    void DesktopIconThemeChanged(const QString &name);

    // The built-in commands that hotkeys run (see HotkeyCommands); the bar sets its "OpenQuorix"
    // action there.
    HotkeyCommands &HotkeyCommandRunner() { return *m_hotkeyCommands; }

    // Icons of generated entries below the top level, keyed by icon file and index.
    QHash<QString, QIcon> ImageList1;
    // Icons of the bar's top-level entries.
    QHash<QString, QIcon> ImageList1RootMenu;

    // The figures of the info bar and the marquee (infobar/infobarvalue.h, infobar/marqueevalues.h).
    // The processor figures throw CpuSamplerError when they cannot be read.
    int GetInfoBarValue(int code) const;
    QString GetMarqueeValue(const QString &object, const QString &parameter) const;
    QString ExpandMarqueeLine(const QString &line) const;
    // The marquee objects and each object's parameters, as the settings dialog offers them.
    QStringList MarqueeObjects() const;
    QStringList MarqueeParameters(const QString &object) const;

public Q_SLOTS:
    // Runs one of the hotkeys' built-in commands by name, matched without regard to case.
    void ExecuteHotkeyCommand(const QString &function, const QString &params);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void DataModuleCreate();
    DataBar *m_bar = nullptr;
    QPointer<QWidget> m_barWindow; // guards m_bar: the bar may go first
    bool m_taskbarPresent = false;
    ThemeColors m_themeColors = DefaultThemeColors();
    std::unique_ptr<HotkeyCommands> m_hotkeyCommands;
};

// Global hotkeys as passive key grabs on the root window, for every combination of the lock
// modifiers, followed through keyboard map changes.
#pragma once

#include "platform/globalhotkeys.h"

#include <memory>

class X11GlobalHotkeys : public GlobalHotkeys
{
    Q_OBJECT

public:
    explicit X11GlobalHotkeys(QObject *parent = nullptr);
    ~X11GlobalHotkeys() override; // releases every hotkey

    bool IsAvailable() const override;
    bool Register(int id, int modifiers, int virtualKey) override;
    void Unregister(int id) override;
    void UnregisterAll() override;
    bool IsRegistered(int id) const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

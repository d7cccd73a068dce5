#include "platform/globalhotkeys.h"

GlobalHotkeys::GlobalHotkeys(QObject *parent) : QObject(parent)
{
}

GlobalHotkeys::~GlobalHotkeys() = default;

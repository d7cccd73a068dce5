#include "platform/launcher.h"

Launcher::~Launcher() = default;

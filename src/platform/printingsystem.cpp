#include "platform/printingsystem.h"

PrintingSystem::~PrintingSystem() = default;

#include "platform/systemsource.h"

SystemSource::~SystemSource() = default;

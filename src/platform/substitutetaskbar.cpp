#include "platform/substitutetaskbar.h"

SubstituteTaskbar::~SubstituteTaskbar() = default;

bool TaskbarWindowExists()
{
    return Current<SubstituteTaskbar>().TaskbarWindowExists();
}

bool CreateSubstituteTaskbar(QString *errorText)
{
    return Current<SubstituteTaskbar>().CreateSubstituteTaskbar(errorText);
}

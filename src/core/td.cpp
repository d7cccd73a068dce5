#include "core/td.h"

namespace {
TD *g_instance = nullptr;
}

TD::TD(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("D"));
    g_instance = this;
    DataModuleCreate();
}

TD::~TD()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TD *TD::Instance()
{
    return g_instance;
}

void TD::DataModuleCreate()
{
}

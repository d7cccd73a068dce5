#include "platform/imagetransfer.h"

#include <QtGlobal>

#include <utility>

namespace {
constexpr char kNoSharedMemory[] = "QT_XCB_NO_MITSHM";
} // namespace

ConnectionImageTransfer::ConnectionImageTransfer()
{
    if (qEnvironmentVariableIsSet(kNoSharedMemory))
        return;
    m_requested = qputenv(kNoSharedMemory, QByteArrayLiteral("1"));
}

ConnectionImageTransfer::~ConnectionImageTransfer()
{
    Withdraw();
}

void ConnectionImageTransfer::Withdraw()
{
    if (std::exchange(m_requested, false))
        qunsetenv(kNoSharedMemory);
}

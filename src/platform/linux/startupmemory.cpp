#include "platform/startupmemory.h"

#include "platform/linux/kernelfile.h"
#include "platform/linux/readonlymappings.h"

#include <malloc.h>
#include <sys/mman.h>

void ReleaseStartupMemory()
{
    // A few hundred mappings make well under a megabyte of text.
    const QByteArray smaps = ReadKernelFile(QStringLiteral("/proc/self/smaps"), 16 << 20);
    // Dropping the pages of a private mapping that was never written loses nothing: its pages are
    // the file's, and a touch maps them again from the page cache. Mappings with a page of their
    // own (copied on write) are not listed, and a library's mappings do not move while it is
    // loaded.
    for (const AddressRange &range : UnchangedReadOnlyMappings(smaps))
        ::madvise(reinterpret_cast<void *>(range.start), range.end - range.start, MADV_DONTNEED);
    ::malloc_trim(0);
}

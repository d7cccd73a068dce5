// What the bar's process holds only because it started: the tables the dynamic linker read while
// it linked the libraries (symbols, names, relocations) and other read-only data of the libraries
// that start-up went through once. Given back after start-up, the bar keeps only what it uses
// while it runs; a page needed again later is mapped again from the file as it is touched.
#pragma once

// Gives back the pages of the read-only file mappings that hold no data of the bar's own (no
// page was ever written), and the free memory at the top of the heap. Safe at any time; meant
// for once the bar is up and idle.
void ReleaseStartupMemory();

// The figure behind an info bar object.
#pragma once

// The percentage for an object code: 0 the processor load of instance 0 (the whole machine),
// 1 physical memory in use, 2 the battery charge (-1 when unknown or without battery), a character
// code above 64 the used share of the drive with that letter (67 is C); 0 for any other code.
// Values may lie outside 0..100 (a processor load a little below 0); the bar clamps them.
// Throws CpuSamplerError when the processor figures cannot be read.
int GetInfoBarValue(int code);

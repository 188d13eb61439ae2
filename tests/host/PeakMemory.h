#pragma once

// The most memory the process has held so far, in kilobytes.
long long PeakMemoryKilobytes();

// Pins what tests must not take from the machine: UTC as time zone, the
// C.UTF-8 locale, the offscreen platform, and where the built programs and
// the sources are (TESSELLON_BIN_DIR, TESSELLON_SOURCE_DIR). Runs before the
// Qt application object exists.
#pragma once

void pinTestEnvironment();

#pragma once
// Datafiles checked before Allegro's reader sees them: that reader trusts every header and calls
// through a null pointer, or allocates what a damaged size asks for, when a file is cut or bytes
// are flipped.
#include <allegro.h>

// True when the file, read through Allegro's packfile layer as load_datafile reads it (so a packed
// "slh!" file is unpacked first), is a whole datafile: every property and object header complete,
// every object of a type Allegro reads and the game's datafiles may hold (nested datafiles, fonts,
// bitmaps, registered 'GIF ' objects, raw data), every size within what remains, every body
// exactly as long as its header says and laid out as its type needs, and nothing after the last
// object.
bool datafile_is_whole(const char* path);

// The datafile, or null when it is not whole, cannot be read, or one of its 'GIF ' objects holds
// no picture. The caller owns it.
DATAFILE* load_checked_datafile(const char* path);

// Hole solver; filled in with the level designer.

#pragma once
// Shell links (".lnk" files) through the system's shell-link object; the
// caller has started COM.

// Creates linkPath pointing to target, with the description and no
// arguments. False when the link object cannot be made or saved.
bool CreateShellLink(const char* linkPath, const char* target, const char* description);

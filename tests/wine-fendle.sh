#!/bin/sh
# Runs the Windows build of fendle under wine, so that the end-to-end tests can
# take it for the program: FENDLE_EXE=tests/wine-fendle.sh.
# Needs FENDLE_WINDOWS_EXE (the .exe) and FENDLE_WINE (the wine program).
exec "$FENDLE_WINE" "$FENDLE_WINDOWS_EXE" "$@"

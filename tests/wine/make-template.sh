#!/bin/bash
# Makes the template Wine prefix of a build folder (once; later calls return at
# once). CTest runs it as the setup of every Wine test.
#
#   make-template.sh BUILD
set -u
. "$(dirname "$0")/../../scripts/wine-env.sh"
wine_make_template "$1"

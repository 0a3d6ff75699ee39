# The typed line is shared by every console: half a word typed on router 1 is finished on router 2.
# F-keys past the last router change nothing.
type sh
key F2
type ow
key F9
key Enter
key F3
line

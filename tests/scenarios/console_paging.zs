# topology: topologies/square.ini
# Output of 24 or more line breaks stops at --MORE--: Enter releases one line, Space the rest (or
# its next page), any other key drops the rest and shows the prompt again.
line enable
line show interfaces
key Enter
key Enter
key Space
key q
line show interfaces
key Space
key Space
key Space
line show version

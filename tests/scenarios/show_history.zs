# topology: topologies/two_routers.ini
# show history lists every command up to the history size, then the last ten below an empty line.
line enable
line show clock
line show history
line show hosts
line show users
line show flash
line show version
key q
line show protocols
line disable
line enable
line show history

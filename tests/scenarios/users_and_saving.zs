# topology: topologies/two_routers.ini
# Users (a sixth replaces the fifth), line passwords, and saving: write, write memory,
# write terminal, copy running-config startup-config, erase startup-config, show startup-config;
# copy startup-config running-config saves nothing.
line enable
line show startup-config
line configure terminal
line username ann password one
line username bob password two
line username cid password three
line username dee password four
line username eve password five
line username fay password six
line line console 0
line password Console
line exit
line line vty 0 4
line password Telnet
line exit
line line aux 0
line password Aux
line end
line write
line show startup-config
key Space
line erase startup-config
line show startup-config
line write memory
line erase startup-config
line copy running-config startup-config
line write terminal
key Space
line erase startup-config
line copy startup-config running-config
line show startup-config

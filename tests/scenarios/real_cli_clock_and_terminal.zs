# topology: topologies/two_routers.ini
# The clock runs from boot (starred: not set) until `clock set`: day and month in either order,
# months by three or more letters in any case; a time not written hh:mm:ss or a time or date that
# does not exist is invalid input, the time alone incomplete. Terminal length 0 never pauses, 5
# pauses every five lines. A dotted OSPF area is its number; `no network ... area N` removes one
# statement. Worksheets' lines for timestamps, the configuration service and RIP timers are taken.
behaviour real-router
start enable
wait 90
line show clock
line clock set 10:00:00 6 December 2026
line show clock
wait 65
line show clock
line clock set 08:30:00 Mar 1 2027
line show clock
line clock set 23:59:59 Feb 29 2027
line clock set 7:00:00 1 March 2027
line clock set 10:0a:00 1 March 2027
line clock set 24:00:00 1 March 2027
line clock set 10:00:00 1 Ma 2027
line clock set 10:00:00 Smarch 1 2027
line clock set 10:00:00 31 April 2027
line clock set 23:59:59 29 FEBRUARY 2028
line show clock
line clock set 10:00:00
line configure terminal
line service timestamps debug datetime msec
line service timestamps log datetime localtime msec
line no service config
line router rip
line timers basic 30 180 180 240
line router ospf 1
line network 10.0.0.0 0.255.255.255 area 0.0.0.0
line network 172.16.0.0 0.0.255.255 area 0.0.0.1
line network 192.168.0.0 0.0.255.255 area 1
line area 0.0.0.1 authentication message-digest
line no network 172.16.0.0 0.0.255.255 area 1
line do show ip ospf
line end
line terminal length 0
line show running-config
line terminal length 5
line show clock
line show ip protocols
key Space

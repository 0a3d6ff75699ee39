# topology: topologies/two_routers.ini
# reload asks whether to save: Cancel keeps the configuration, though the console has already
# dropped to user mode; Yes keeps the configuration and takes 45 seconds; No returns to factory
# state but keeps OSPF. Keys typed during the boot are ignored.
line enable
line configure terminal
line hostname Keep
line enable password secret1
line interface e0
line ip address 10.0.0.1 255.255.255.0
line no shutdown
line exit
line router ospf 1
line network 10.0.0.0 0.0.0.255 area 0
line exit
line router rip
line network 10.0.0.0
line end
line copy running-config startup-config
answer cancel
line reload
line enable
line secret1
answer yes
line reload
wait 20
type ignored
key Enter
wait 25
line enable
line secret1
answer no
line reload
wait 35
line enable
wait 1
line enable
line show running-config
key Space

# topology: topologies/one_with_bri.ini
# show version counts the BRI. The uncabled serial lines and the BRI come up and go down. Before
# they go down RIP lists the interfaces whose line protocol is up (not the shut Ethernet); after,
# show interfaces lists the BRI last; show ip interface gives addressed interfaces their template
# (the shut one after "Internet protocol processing disabled"), others one line.
line enable
line show version
key Space
line configure terminal
line interface bri 0
line ip address 10.9.9.1 255.255.255.0
line no shutdown
line interface ethernet 0
line ip address 10.1.1.1 255.255.255.0
line interface serial 0
line no shutdown
line interface serial 1
line ip address 172.16.0.1 255.255.255.252
line no shutdown
line router rip
line network 10.0.0.0
line end
line show ip protocols
wait 10
line show interfaces
key Space
key Space
key Space
line show ip interface
key Space
key Space
key Space

# topology: topologies/two_routers.ini
# Lab 5 (labs/lab05_reload.htm) typed as a student follows the page, step by step.
# Part A: two configurations.
start enable
line conf t
line hostname Saved
line int e0
line ip address 192.168.1.1 255.255.255.0
line no shut
line end
line show running-config
key Space
line show startup-config
line copy running-config startup-config
line show startup-config
key Space
# Part B: reload and keep the configuration; Router 2 is worked on meanwhile.
line conf t
line hostname Unsaved
line end
answer yes
line reload
wait 5
router 2
start enable
router 1
wait 45
start enable
line show startup-config
key Space
# Part C: back to factory defaults.
answer no
line reload
wait 40
start enable
line show running-config
key Space
line show startup-config
line copy running-config startup-config
line erase startup-config
line show startup-config

# Loads the generated Tcl packages into this tclsh and checks what their init
# procedures did. Usage: tclsh TclPackages.tcl core|filters|safe <core> <filters>
# Exits with status 1 after printing every mismatch.
lassign $argv scenario corePath filtersPath
set failures 0

proc check {what actual expected} {
  if {$actual ne $expected} {
    puts stderr "$what: got {$actual}, expected {$expected}"
    incr ::failures
  }
}

set coreCreators {zebObject zebStringArray zebDoubleArray zebIdList}

switch $scenario {
  core {
    # No prefix: Tcl derives Zebcommoncoretcl_Init from the file name.
    load $corePath
    check "version" [package require zebCommonCoreTcl] 4.3
    check "zebCommand" [info commands zebCommand] zebCommand
    check "creators in list order" $::zebCreated $coreCreators
    foreach class $coreCreators {
      check "command of $class" [info commands $class] $class
    }
    # The state record under "zeb": counters start at 0, the tables work.
    check "debug flag" [zebCommand GetDebug] 0
    zebCommand DebugOn
    check "debug flag after DebugOn" [zebCommand GetDebug] 1
    check "first unnamed instance" [zebObject] zeb0
    zebIdList ids
    check "instances" [zebCommand ListAllInstances] {ids zeb0}
    check "class of ids" [ids GetClassName] zebIdList
    ids Delete
    check "instances after Delete" [zebCommand ListAllInstances] zeb0
  }
  filters {
    # The filters package names the core package as a COMMAND: loading it
    # alone sets up the core first.
    load $filtersPath
    check "core provided" [package present zebCommonCoreTcl] 4.3
    check "zebCommand" [info commands zebCommand] zebCommand
    check "creators" $::zebCreated [concat $coreCreators zebContourFilter zebCutter]
    check "version" [package require zebFiltersCoreTcl] 1.2.3
    check "instance of a filter class" [zebCutter] zeb0
  }
  safe {
    interp create -safe child
    load $corePath {} child
    check "version in safe child" [child eval {package present zebCommonCoreTcl}] 4.3
    check "creators in safe child" [child eval {set ::zebCreated}] $coreCreators
    check "zebCommand in safe child" [child eval {info commands zebCommand}] zebCommand
    check "parent untouched" [info commands zebCommand] {}
    check "parent has no package" [catch {package present zebCommonCoreTcl}] 1
  }
  default {
    puts stderr "unknown scenario $scenario"
    exit 2
  }
}
exit [expr {$failures != 0}]

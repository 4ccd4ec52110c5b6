// The program's own English texts, by string id. Id 523 has no text; ids the program does not use
// are empty.
#include "EnglishStrings.h"

namespace {

const char16_t* const englishTexts[stringCount] = {
    u"Error initializing main object", // 0
    u"Initialization", // 1
    u" is not responding because it is busy, waiting for a response from you, or has stopped running.\n\nDo you want Kelvara to terminate the program anyway?", // 2
    u"Warning...", // 3
    u"Manage", // 4
    u"Format", // 5
    u"Invalid file extension", // 6
    u"Messing class name", // 7
    u"Error updating file association", // 8
    u"There is an association for this file type already, do you want Kelvara to override the existing information?", // 9
    u"Error adding file association", // 10
    u"Error adding notification", // 11
    u"Missing key name", // 12
    u"Missing DB name", // 13
    u"Missing Volume name", // 14
    u"Type: Invalid Path to Uninstall Data", // 15
    u"Target: ", // 16
    u"Registry Path: HKLM\\", // 17
    u"Type: Invalid Path to Uninstall DLL file", // 18
    u"Type: Invalid Path to CabFile", // 19
    u"Type: Invalid COM Objects", // 20
    u"Registry Path: HKCR\\CLSID\\", // 21
    u"Type: Cleaning Category", // 22
    u"Size: %d Bytes", // 23
    u"Not scanned.", // 24
    u"Type: All Cleaning Categories", // 25
    u"Type: History Addresses", // 26
    u"Address: ", // 27
    u"Type: Bad Uninstall Files", // 28
    u"Type: Obsolete Uninstall Registry Keys", // 29
    u"Registry Path: HKLM\\Software\\Apps\\", // 30
    u"Installation Path: ", // 31
    u"Type: Unhandled Files Extensions", // 32
    u"Extension: ", // 33
    u"Handler: ", // 34
    u"Type: Invalid MIME Type", // 35
    u"MIME: ", // 36
    u"Type: File", // 37
    u"Type: Directory", // 38
    u"Type: Invalid Shortcut", // 39
    u"Type: Notification", // 40
    u"Type: Notification Queue Database Rebuild", // 41
    u"Rebuilding the database fixes many device issues related to alarms, appointments and performance", // 42
    u"Type: Close Running Programs", // 43
    u"Closing running programs will potentially free memory and make it ready for other programs", // 44
    u"Type: Runtime Memory Compaction", // 45
    u"Sending system messages and compacting memory releases unused memory from running programs.", // 46
    u"%s: %d.%d MB", // 47
    u"%s: %d.%d KB", // 48
    u"%s: %d Bytes", // 49
    u"Name", // 50
    u"", // 51
    u"Cleaner Items", // 52
    u"-       ", // 53
    u"       ", // 54
    u"Clean", // 55
    u"%d Items", // 56
    u"The installed version of AvantGo is not supported by Kelvara. ID: %d", // 57
    u"Kelvara could not find the installed version of AvantGo.", // 58
    u"This cleaning item will work only in the Advanced Mode.", // 59
    u"0", // 60
    u"Kelvara", // 61
    u"Stripes", // 62
    u"Solid", // 63
    u"Gradient", // 64
    u"Hazy", // 65
    u"Gel", // 66
    u"Shiny", // 67
    u"Rusty", // 68
    u"Simple", // 69
    u"Temporary Files", // 70
    u"Opera Cache", // 71
    u"NetFront Cache", // 72
    u"Dangling Notifications", // 73
    u"Invalid Notifications", // 74
    u"Windows Media DRM", // 75
    u"Virtual Earth Mobile Cache", // 76
    u"%s %s", // 77
    u"Record ID", // 78
    u"0x%X", // 79
    u"String: %d", // 80
    u"BLOB: %d", // 81
    u"Bool: %d", // 82
    u"Time: %d", // 83
    u"Signed: %d", // 84
    u"Unsigned: %d", // 85
    u"Unknown: %d", // 86
    u"Unknown Type", // 87
    u"ERROR: No records selected", // 88
    u"Are you sure you want to delete the selected record", // 89
    u"Couldn't delete the record", // 90
    u"Are you sure you want to delete all the records in this database", // 91
    u"Couldn't delete all the records", // 92
    u"          ", // 93
    u"Processor Info", // 94
    u"Version", // 95
    u"Processor Core", // 96
    u"Core revision", // 97
    u"Processor Name", // 98
    u"Processor revision", // 99
    u"Catalog number", // 100
    u"Vendor", // 101
    u"Instruction set", // 102
    u"Current Clock speed", // 103
    u"Device", // 104
    u"OEM", // 105
    u"Platform", // 106
    u"Memory", // 107
    u"%d MB", // 108
    u"Commercial Size", // 109
    u"%d.%d MB", // 110
    u"Actual Size", // 111
    u"Used", // 112
    u"%d.%d %%", // 113
    u"Display", // 114
    u"%d pixels", // 115
    u"Horz. resolution", // 116
    u"Vert. resolution", // 117
    u"%d colors", // 118
    u"Number of Colors", // 119
    u"Your device is not currently supported for Card Scan", // 120
    u"Your device is not currently supported for Card Defrag", // 121
    u"Missing command name", // 122
    u"Missing command", // 123
    u"Please add an Open command first", // 124
    u"Error updating class information", // 125
    u"Command already exists, replace the existing one?", // 126
    u"Bytes", // 127
    u"KB", // 128
    u"MB", // 129
    u"You must specify the file name.", // 130
    u"Paths are not accepted.", // 131
    u"Please enter search criteria", // 132
    u"FAT12 (Default)", // 133
    u"FAT16", // 134
    u"FAT32", // 135
    u"FAT16 (Default)", // 136
    u"FAT12", // 137
    u"FAT32 (Default)", // 138
    u"Can not find the VGA resources file, please re-install", // 139
    u"Kelvara has reclaimed ", // 140
    u" MB", // 141
    u"All available memory has been already claimed", // 142
    u"Free Memory used by running Programs", // 143
    u"Free unused RAM from running programs", // 144
    u"Show Mode", // 145
    u"Binary", // 146
    u"Double Word", // 147
    u"Multi String", // 148
    u"String", // 149
    u"Please enter a value name", // 150
    u"<blank name>", // 151
    u" - ", // 152
    u"Time Based", // 153
    u"Time Period Based", // 154
    u"Classic Time Based", // 155
    u"Event Based", // 156
    u"Unknown Type", // 157
    u"Databases", // 158
    u"Registry", // 159
    u"Failed to open the database.", // 160
    u"Are you sure you want to delete \"%s\" database?\nThis can cause some applications to fail.", // 161
    u"Failed to delete database. Database is currently in use.", // 162
    u"Failed to delete database, unknown error.", // 163
    u"Are you sure you want to delete the %d selected notification(s)?", // 164
    u"You may still need to sync for the expired notification to get corrected. Deleting these notifications may cause some programs to stop working. Are you sure you want to continue?", // 165
    u"Are you sure you want to delete the file association for %s ?", // 166
    u"Find Duplicates", // 167
    u"Find Dangling", // 168
    u"Find Expired", // 169
    u"Find Invalid", // 170
    u"Rebuild Notification Queue", // 171
    u"Recreate ActiveSync", // 172
    u"Couldn't export!", // 173
    u"New Key", // 174
    u"String Value", // 175
    u"Multi Line String Value", // 176
    u"Binary Value", // 177
    u"DWORD Value", // 178
    u"Edit Value", // 179
    u"Rename", // 180
    u"Delete", // 181
    u"Cut", // 182
    u"Copy", // 183
    u"Paste", // 184
    u"Couldn't execute command!", // 185
    u"Edit Association", // 186
    u"Edit Class", // 187
    u"No Info available", // 188
    u"A database volume", // 189
    u"Name: ", // 190
    u"Type: ", // 191
    u"System", // 192
    u"Application", // 193
    u"Compressed: ", // 194
    u"No", // 195
    u"Yes", // 196
    u"Can be deleted: ", // 197
    u"Type Value: ", // 198
    u"# of Records: ", // 199
    u"# of Sort orders: ", // 200
    u"Size: ", // 201
    u"Last Modified: ", // 202
    u"1", // 203
    u"<binary data>", // 204
    u" ...", // 205
    u"(Value not set)", // 206
    u"Unknow type %d", // 207
    u"A key with the same name already exists", // 208
    u"Error creating the registry key", // 209
    u"Value already exists", // 210
    u"Error creating value", // 211
    u"A value with the same name already exists", // 212
    u"Couldn't rename", // 213
    u"Are you sure you want to update the registry key value?", // 214
    u"Couldn't update the value", // 215
    u"Couldn't edit the value", // 216
    u"Are you sure you want to delete the registry value \"%s\"", // 217
    u"Are you sure you want to delete the registry key \"%s\" and all it's sub key(s) and value(s)", // 218
    u"Couldn't delete!", // 219
    u"Sorry, can't paste here (recursion)", // 220
    u"Couldn't paste copied values!", // 221
    u"Registry (*.reg)", // 222
    u"Please wait...", // 223
    u"Validating Registry File", // 224
    u"Error in file format", // 225
    u"Importing Registry File", // 226
    u"Error importing file", // 227
    u"Registry file has been imported", // 228
    u"Exporting Registry", // 229
    u"Error Exporting file", // 230
    u"Registry file has been exported", // 231
    u"XML (*.xml)", // 232
    u"Exporting Database to a file", // 233
    u"Error exporting database", // 234
    u"Validating Database file", // 235
    u"A database with this name already exist, do you want to delete the existing one before importing?", // 236
    u"Importing Database file", // 237
    u"Couldn't Import!", // 238
    u"No more matches found.", // 239
    u"No matches found.", // 240
    u"Reached the end of the registry, start again from the start?", // 241
    u"Notification Queue has been rebuilt", // 242
    u"ActiveSync Entries has been re-created/fixed", // 243
    u"Refresh", // 244
    u"Export all notifications", // 245
    u"Notification Queue", // 246
    u"%ld KB", // 247
    u"Select file", // 248
    u"Type", // 249
    u"Are you sure you want to Soft-reset your device?", // 250
    u" : ", // 251
    u"Installed By: ", // 252
    u"Windows Mobile", // 253
    u"Unknown", // 254
    u"Target: ", // 255
    u"%d%%", // 256
    u"Other folders", // 257
    u"Process", // 258
    u"CPU", // 259
    u"Memory ", // 260
    u"Programs (%d)", // 261
    u"Process (%d)", // 262
    u"Are you sure you want to terminate the selected process?", // 263
    u"Compact Selected", // 264
    u"Compact All", // 265
    u"An entry showing percentage of time the processor is idle", // 266
    u"Threads: ", // 267
    u"Modules: ", // 268
    u"Export all programs", // 269
    u"Export all programs info", // 270
    u"Running Programs", // 271
    u"Kelvara Cleaning Done", // 272
    u"On ", // 273
    u" at ", // 274
    u"Daily at ", // 275
    u"Every ", // 276
    u"Once", // 277
    u"Daily", // 278
    u"Weekly", // 279
    u"Description: ", // 280
    u"Prefix: ", // 281
    u"Status: ", // 282
    u"Running", // 283
    u"Stopped", // 284
    u"Setup: ", // 285
    u"Manual Start", // 286
    u"Auto Start", // 287
    u"Are you sure you want to delete %s?", // 288
    u"Are you sure you want to delete %s? This will only delete the registry entry.", // 289
    u"Today Plug-in", // 290
    u"State: ", // 291
    u"Enabled", // 292
    u"Disabled", // 293
    u"Options: ", // 294
    u"Could not create temp directory", // 295
    u"Directory error(1) - Error: %d", // 296
    u"Could not copy file - Error: %d", // 297
    u"Failed to change the startup programs order. The file %s may be in use.", // 298
    u"Could not remove file - %s - Error: %d", // 299
    u"Couldn't Enable/Disable this item", // 300
    u"Settings", // 301
    u"Main", // 302
    u"About", // 303
    u"Colors ", // 304
    u"Custom colors", // 305
    u"", // 306: not used
    u"", // 307: not used
    u"User Folder 1", // 308
    u"User Folder 2", // 309
    u"Windows Temp Files", // 310
    u"Compact RAM", // 311
    u"AvantGo Cache Files", // 312
    u"IE Cache Files", // 313
    u"IE Cookies", // 314
    u"IE History (Files)", // 315
    u"IE Address History", // 316
    u"Close Running Programs", // 317
    u"Dead Shortcuts", // 318
    u"Dead Registry", // 319
    u"Bad Uninstall (Files)", // 320
    u"Phone Log Files", // 321
    u"Duplicate Notifications", // 322
    u"Bad Uninstall (Registry)", // 323
    u"Zero Bytes Files", // 324
    u"Reclaim", // 325
    u"Find", // 326
    u"Cancel", // 327
    u"Edit...", // 328
    u"Edit", // 329
    u"Done", // 330
    u"Explore", // 331
    u"Apply", // 332
    u"Optimize", // 333
    u"Enable", // 334
    u"Disable", // 335
    u"Format...", // 336
    u"Open...", // 337
    u"Open", // 338
    u"Browse", // 339
    u"Uninstall", // 340
    u"Chart", // 341
    u"Install", // 342
    u"Find...", // 343
    u"Create", // 344
    u"Run Kelvara", // 345
    u"Add...", // 346
    u"Add", // 347
    u"Terminate", // 348
    u"Kill", // 349
    u"Activate", // 350
    u"...", // 351
    u"Schedule", // 352
    u"up", // 353
    u"", // 354: not used
    u"", // 355: not used
    u"", // 356: not used
    u"", // 357: not used
    u"", // 358: not used
    u"Cleaner", // 359
    u"Processes", // 360
    u"0 Bytes", // 361
    u"MSReader Bookmarks", // 362
    u"Mail Attachments", // 363
    u"Custom Extensions", // 364
    u"Close", // 365
    u"Stop", // 366
    u"Scan", // 367
    u"Error: wild cards for file extension are not valid.", // 368
    u"Error", // 369
    u"Error: Root directories are not valid for User Folders.", // 370
    u"Service Path is not specified.", // 371
    u"Run at time", // 372
    u"All notification types.", // 373
    u"A PC Card device changed.", // 374
    u"A device is discovered IR.", // 375
    u"The device connected to a network.", // 376
    u"The device disconnected from a network.", // 377
    u"The AC-power is turned off.", // 378
    u"The AC-power is turned on.", // 379
    u"A full device data restore completed.", // 380
    u"An RS232 connection was made.", // 381
    u"Data synchronization finished.", // 382
    u"The system time changed.", // 383
    u"The time zone changed.", // 384
    u"The device woke up.", // 385
    u"Device Name Changed.", // 386
    u"RNDISFN interface is instantiated.", // 387
    u"Internet Proxy Settings Changed.", // 388
    u"None.", // 389
    u"When: ", // 390
    u"Argument: ", // 391
    u"Shortcut", // 392
    u"Directory", // 393
    u"Program", // 394
    u"Service", // 395
    u"Type: ", // 396
    u"Pocket PC", // 397
    u"File(s)", // 398
    u"Open in FileExplorer", // 399
    u"No notifications have been found.", // 400
    u"Kelvara has found %d notification(s).", // 401
    u"Main Memory*", // 402
    u"The changes you made will take effect after Soft-reset.\nDo you want to soft-reset your device now?", // 403
    u"You did not apply the changes you made.\nDo you want to apply now?", // 404
    u"Some files are currently in use, Kelvara was not able to delete them", // 405
    u"%d item(s) have been cleaned, %d byte(s) have been saved.", // 406
    u"In the Protected mode, Kelvara will only apply changes that are known to be safe to your device.\nAre you sure you want to enable the Advanced Mode?", // 407
    u"This feature is not available in the Protected mode. To turn on the Advanced mode, open Kelvara's general settings from the Tools menu", // 408
    u"Deleting manually selected notifications is not available in the Protected mode. To turn on the Advanced mode, open Kelvara's general settings from the Tools menu", // 409
    u"Changing the service start method is not available in the Protected mode. To turn on the Advanced mode, open Kelvara's general settings from the Tools menu", // 410
    u"Cmd. Line: ", // 411
    u"Options", // 412
    u"Resize", // 413
    u"New", // 414
    u"Find Next", // 415
    u"Import", // 416
    u"Export", // 417
    u"Memory Cleaner", // 418
    u"StartUp Manager", // 419
    u"Tweaks", // 420
    u"Storage Tools", // 421
    u"Start", // 422
    u"Move Up", // 423
    u"Move Down", // 424
    u"Move Left", // 425
    u"Move Right", // 426
    u"If you change default the messaging path, the Messaging Today Plug-in has to be disabled. Kelvara will disable it for you when the changes are applied. Do you want to continue?", // 427
    u"File name: %s%sFile size: %s%sUsed by:%s", // 428
    u"By disabling this feature, Kelvara will copy back all the DLLs to the main memory.\n\nDo you want to continue?", // 429
    u"This is an advanced feature that helps you to increase the available RAM.\nFor more information please refer to the help.\nDo you want to enable this feature?", // 430
    u"This tweak requires a soft-reset to be enabled.\nDo you want to soft-reset your device now?", // 431
    u"Your operating system version doesn't support changing the memory division.\nThis feature is only available on 2003(SE).", // 432
    u"Failed to move the file %s. It may be used by a running program", // 433
    u"Failed to copy the file %s. Insufficient space.", // 434
    u"%d File(s) have been successfully moved.", // 435
    u"No files have been moved.", // 436
    u"Device Default", // 437
    u"For Speed (Main Memory)", // 438
    u"For Memory (%s)", // 439
    u"For Speed", // 440
    u"For Memory", // 441
    u"For Extreme Speed", // 442
    u"For Extreme Memory", // 443
    u"%d", // 444
    u"Auto", // 445
    u"8192 KB", // 446
    u"16384 KB", // 447
    u"32768 KB", // 448
    u"%d KB", // 449
    u"64 KB", // 450
    u"128 KB", // 451
    u"256 KB", // 452
    u"512", // 453
    u"Exploring folders and files", // 454
    u"No files were found.", // 455
    u"Found %d file(s).", // 456
    u"%d %s", // 457
    u"Kelvara will scan '%s' now. \nThis might affect the data on the card, please backup the file on the card first.\nAre you sure you want to continue now?", // 458
    u"Error occurred while scanning '%s'", // 459
    u"'%s' has been successfully scanned for errors", // 460
    u"Main Memory", // 461
    u"Custom Location", // 462
    u"Open File", // 463
    u"Open Directory", // 464
    u"Create '%s'", // 465
    u"Delete '%s'", // 466
    u"Make Digital Camera Ready", // 467
    u"Brand", // 468
    u"Serial Number", // 469
    u"Digital Camera ready", // 470
    u"Ignore My Documents", // 471
    u"FAT", // 472
    u"Unknown", // 473
    u"Number of FATs", // 474
    u"Sectors per FAT", // 475
    u"Bytes per Sector", // 476
    u"Total sectors", // 477
    u"Reserved Sectors", // 478
    u"Hidden Sectors", // 479
    u"Free Clusters", // 480
    u"Sectors per Cluster", // 481
    u"Usable Clusters", // 482
    u"No cards detected", // 483
    u"Are you sure you want to delete %s permanently?", // 484
    u"Failed to delete. Some files may be in use by another process.", // 485
    u"Failed to delete. File is in use by another process.", // 486
    u"Install Date: Unknown", // 487
    u"Install Date: %s", // 488
    u" : Not found", // 489
    u"Formatting '%s' will erase all the data. Are you sure you want to continue?", // 490
    u"Error occurred while formatting '%s'", // 491
    u"'%s' has been successfully formatted", // 492
    u"Are you sure you want to uninstall %s ?", // 493
    u"Please wait while uninstalling", // 494
    u"Kelvara has detected an error during the uninstall. Do you want Kelvara to clean all remaining files", // 495
    u"Do you want Kelvara to clean all remaining files", // 496
    u"The uninstall is complete.", // 497
    u"Error uninstalling", // 498
    u"CAB Install in progress", // 499
    u"Please Wait...", // 500
    u"Error encountered during installation", // 501
    u"Installation successful", // 502
    u"Export all apps info", // 503
    u"Installed Programs", // 504
    u"Export found results", // 505
    u"File Find Results", // 506
    u"%d.%d GB", // 507
    u"%d.%d KB", // 508
    u"%d Bytes", // 509
    u"Rename Key", // 510
    u"~~%s", // 511
    u"%s : %d (%d selected)", // 512
    u"T", // 513
    u"All Items", // 514
    u"Total Found: ", // 515
    u"0  ", // 516
    u"Tree1", // 517
    u"Free unused program memory", // 518
    u"Compact running program heap", // 519
    u"Current Free Memory: ", // 520
    u"Reclaimed RAM: ", // 521
    u"New Free Memory: ", // 522
    nullptr, // 523: no text
    u"Include the calculation time", // 524
    u"Kelvara 2.1", // 525
    u"", // 526: not used
    u"Static", // 527
    u"", // 528: not used
    u"", // 529: not used
    u"", // 530: not used
    u"", // 531: not used
    u"Custom Files", // 532
    u"*. tmp", // 533
    u"*. log", // 534
    u"*.", // 535
    u"*. bak", // 536
    u"Secure File delete (wipe)", // 537
    u"Ignore references to external cards", // 538
    u"Cleaner Settings", // 539
    u"Close PIE before cleaning", // 540
    u"Warn if Deleting files was denied.", // 541
    u"Slider1", // 542
    u"PIE Excluded Cookies", // 543
    u"Storage", // 544
    u"-", // 545
    u"Total  Allocated ", // 546
    u"In Use", // 547
    u"Free", // 548
    u"  Main Memory", // 549
    u"List2", // 550
    u"File: ", // 551
    u"Choose File", // 552
    u"Ask me before performing Soft-reset", // 553
    u"Program Options", // 554
    u"Enable Logging", // 555
    u"Keep Last", // 556
    u"Spin1", // 557
    u"Log files", // 558
    u"View Last Log", // 559
    u"Remember last tab on startup", // 560
    u"Remember last view on startup", // 561
    u"Enable Advanced Features", // 562
    u"Silent ReclaimRAM tool", // 563
    u"Question", // 564
    u"Show this message again.", // 565
    u"terminates the process gracefully.", // 566
    u"tries to close the process peacefully.", // 567
    u"Find File...", // 568
    u"Less than", // 569
    u"More than", // 570
    u"File Name", // 571
    u"Add Notification", // 572
    u"Event", // 573
    u"Date", // 574
    u"Time", // 575
    u"DateTimePicker1", // 576
    u"DateTimePicker2", // 577
    u"Memory Usage Settings", // 578
    u"Use Custom Explorer", // 579
    u"Show files in: ", // 580
    u"Show pie chart in: ", // 581
    u"2D", // 582
    u"3D", // 583
    u"RAM", // 584
    u"Built-In storage", // 585
    u"External cards", // 586
    u"Show files marked: ", // 587
    u"ROM", // 588
    u"non ROM", // 589
    u"Kelvara Cleaning Progress...", // 590
    u"Total Cleaned: ", // 591
    u"Database Info", // 592
    u"Import DB Vol/Name", // 593
    u"DB Name: ", // 594
    u"Volume: ", // 595
    u"File Association", // 596
    u"Class: ", // 597
    u"Description: ", // 598
    u"Icon: ", // 599
    u"Commands: ", // 600
    u"Add Command", // 601
    u"Name: ", // 602
    u"Command: ", // 603
    u"Extension: ", // 604
    u"Value: ", // 605
    u"Card Name: ", // 606
    u"Quick", // 607
    u"Full", // 608
    u"FAT Type", // 609
    u"Create Backup FAT", // 610
    u"Low Level", // 611
    u"Scan...", // 612
    u"Surface", // 613
    u"Auto Fix (Do not prompt)", // 614
    u"Fix all", // 615
    u"PIE Temp", // 616
    u"AvantGo", // 617
    u"Ring Tones", // 618
    u"Application Temp", // 619
    u"Messaging", // 620
    u"PIE Cookies", // 621
    u"PIE History", // 622
    u"NetFront", // 623
    u"Opera", // 624
    u"Cache Size", // 625
    u"Reading Buffer", // 626
    u"B", // 627
    u"History Size", // 628
    u"Max Connections", // 629
    u"File System Cache", // 630
    u"Font Cache Size", // 631
    u"Animate Windows", // 632
    u"Animate Menus", // 633
    u"TCP Window", // 634
    u"K", // 635
    u"Internet Explorer", // 636
    u"Ask for CAB file install destination", // 637
    u"Clean Programs History on reset", // 638
    u"SD/MMC Transfer", // 639
    u"Opera Download", // 640
    u"Find Notification", // 641
    u"Full name match", // 642
    u"Find Registry", // 643
    u"Text: ", // 644
    u"Case sensitive", // 645
    u"Match whole word", // 646
    u"Search in: ", // 647
    u"Key names", // 648
    u"Value names", // 649
    u"String values", // 650
    u"Multi string values", // 651
    u"Binary values", // 652
    u"Binary as ASCII", // 653
    u"Look and Feel", // 654
    u"Custom Background highlight", // 655
    u"Background: ", // 656
    u"Buttons: ", // 657
    u"Custom Button highlight", // 658
    u"Custom Control Text Color", // 659
    u"Custom Title Text Color", // 660
    u"New Registry Key", // 661
    u"Key Name: ", // 662
    u"On Soft-Reset", // 663
    u"Cleaning Schedule Settings", // 664
    u"Every Wednesday at 12:12 PM", // 665
    u"Show Progress", // 666
    u"Show Report", // 667
    u"Schedule Frequency", // 668
    u"Frequency", // 669
    u"Select Kelvara Operating Mode", // 670
    u"Protected", // 671
    u"Advanced", // 672
    u"In the Protected mode, Kelvara will only apply changes that are known to be safe to your device.\n\nThe mode can be changed at any time from 'Settings' under 'Tools' menu.", // 673
    u"Jump To", // 674
    u"Quick Cleaner", // 675
    u"Advanced Cleaner", // 676
    u"Reclaim RAM", // 677
    u"Database Usage", // 678
    u"Extensions", // 679
    u"System Tweaks", // 680
    u"Applications Cache", // 681
    u"Information", // 682
    u"DLL Optimizer", // 683
    u"Startups", // 684
    u"Startup Items", // 685
    u"Startup Services", // 686
    u"Today Plugins", // 687
    u"Storage Usage", // 688
    u"File Finder", // 689
    u"CAB Installer", // 690
    u"Card Tools", // 691
    u"CPU Usage", // 692
    u"Running Processes", // 693
    u"Tools", // 694
    u"Power Off", // 695
    u"Soft Reset", // 696
    u"Clean Schedule", // 697
    u"Help", // 698
    u"Exit", // 699
    u"Database", // 700
    u"Delete Selected record", // 701
    u"Delete All records", // 702
    u"Language: ", // 703
    u"Languages", // 704
    u"Default: ", // 705
    u"Please select the language you want to install: ", // 706
    u"GoogleMaps Cache", // 707
    u"Recycle Bin", // 708
};

} // namespace

const char16_t* englishString(int id)
{
    return id >= 0 && id < stringCount ? englishTexts[id] : nullptr;
}

.class public Lcom/pelorin/player/MediaControls;
.super Ljava/lang/Object;
.source "MediaControls.smali"

# The playback service's face to the system: a media session (lock screen,
# notification shade, headset and Bluetooth buttons, car displays) and a
# media notification with previous / play-pause / next / stop, tied to it.
# Its buttons send intents to the service (see commandOf); tapping it opens
# the app, dismissing it stops the music. Main thread only.


.field private final service:Lcom/pelorin/player/PlaybackService;

.field private final catalogue:Lcom/pelorin/player/Catalogue;

.field private final session:Landroid/media/session/MediaSession;

.field private final manager:Landroid/app/NotificationManager;

# the picture of song artIndex, sampled down, or null
.field private art:Landroid/graphics/Bitmap;

.field private artIndex:I


.method public constructor <init>(Lcom/pelorin/player/PlaybackService;Lcom/pelorin/player/Catalogue;)V
    .registers 8

    invoke-direct {p0}, Ljava/lang/Object;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/MediaControls;->service:Lcom/pelorin/player/PlaybackService;
    iput-object p2, p0, Lcom/pelorin/player/MediaControls;->catalogue:Lcom/pelorin/player/Catalogue;
    const/4 v0, -0x1
    iput v0, p0, Lcom/pelorin/player/MediaControls;->artIndex:I

    new-instance v0, Landroid/media/session/MediaSession;
    const-string v1, "Pelorin"
    invoke-direct {v0, p1, v1}, Landroid/media/session/MediaSession;-><init>(Landroid/content/Context;Ljava/lang/String;)V
    iput-object v0, p0, Lcom/pelorin/player/MediaControls;->session:Landroid/media/session/MediaSession;
    new-instance v1, Lcom/pelorin/player/SessionCallback;
    invoke-direct {v1, p1}, Lcom/pelorin/player/SessionCallback;-><init>(Lcom/pelorin/player/PlaybackService;)V
    invoke-virtual {v0, v1}, Landroid/media/session/MediaSession;->setCallback(Landroid/media/session/MediaSession$Callback;)V
    invoke-direct {p0}, Lcom/pelorin/player/MediaControls;->openApp()Landroid/app/PendingIntent;
    move-result-object v1
    invoke-virtual {v0, v1}, Landroid/media/session/MediaSession;->setSessionActivity(Landroid/app/PendingIntent;)V

    # before API 26 a session takes media buttons and transport controls only when asked to
    sget v2, Landroid/os/Build$VERSION;->SDK_INT:I
    const/16 v3, 0x1a
    if-ge v2, v3, :flags_set
    const/4 v1, 0x3
    invoke-virtual {v0, v1}, Landroid/media/session/MediaSession;->setFlags(I)V
    :flags_set

    const-string v0, "notification"
    invoke-virtual {p1, v0}, Landroid/content/Context;->getSystemService(Ljava/lang/String;)Ljava/lang/Object;
    move-result-object v0
    check-cast v0, Landroid/app/NotificationManager;
    iput-object v0, p0, Lcom/pelorin/player/MediaControls;->manager:Landroid/app/NotificationManager;

    # API 26+: a quiet channel (2: IMPORTANCE_LOW)
    sget v2, Landroid/os/Build$VERSION;->SDK_INT:I
    const/16 v3, 0x1a
    if-lt v2, v3, :no_channel
    new-instance v1, Landroid/app/NotificationChannel;
    const-string v4, "playback"
    const-string v5, "音乐播放"
    const/4 v3, 0x2
    invoke-direct {v1, v4, v5, v3}, Landroid/app/NotificationChannel;-><init>(Ljava/lang/String;Ljava/lang/CharSequence;I)V
    invoke-virtual {v0, v1}, Landroid/app/NotificationManager;->createNotificationChannel(Landroid/app/NotificationChannel;)V
    :no_channel

    return-void
.end method


# The command of a notification button's intent action, 0 for anything else.
.method public static commandOf(Ljava/lang/String;)I
    .registers 3

    const-string v0, "com.pelorin.player.TOGGLE"
    invoke-virtual {v0, p0}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v0
    if-eqz v0, :not_toggle
    const/16 v0, 0xa
    return v0

    :not_toggle
    const-string v0, "com.pelorin.player.PREVIOUS"
    invoke-virtual {v0, p0}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v0
    if-eqz v0, :not_previous
    const/4 v0, 0x6
    return v0

    :not_previous
    const-string v0, "com.pelorin.player.NEXT"
    invoke-virtual {v0, p0}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v0
    if-eqz v0, :not_next
    const/4 v0, 0x5
    return v0

    :not_next
    const-string v0, "com.pelorin.player.STOP"
    invoke-virtual {v0, p0}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v0
    if-eqz v0, :not_stop
    const/16 v0, 0x9
    return v0

    :not_stop
    const/4 v0, 0x0
    return v0
.end method


# Immutable on API 23+ (required from 31), and always up to date.
.method private static flags()I
    .registers 3

    const/high16 v0, 0x8000000
    sget v1, Landroid/os/Build$VERSION;->SDK_INT:I
    const/16 v2, 0x17
    if-lt v1, v2, :mutable
    const/high16 v0, 0xc000000
    :mutable
    return v0
.end method


# Starts the service with a notification button's action (its command
# tells the buttons' intents apart).
.method private button(Ljava/lang/String;)Landroid/app/PendingIntent;
    .registers 6

    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->service:Lcom/pelorin/player/PlaybackService;
    new-instance v1, Landroid/content/Intent;
    const-class v2, Lcom/pelorin/player/PlaybackService;
    invoke-direct {v1, v0, v2}, Landroid/content/Intent;-><init>(Landroid/content/Context;Ljava/lang/Class;)V
    invoke-virtual {v1, p1}, Landroid/content/Intent;->setAction(Ljava/lang/String;)Landroid/content/Intent;
    invoke-static {p1}, Lcom/pelorin/player/MediaControls;->commandOf(Ljava/lang/String;)I
    move-result v3
    invoke-static {}, Lcom/pelorin/player/MediaControls;->flags()I
    move-result v2
    invoke-static {v0, v3, v1, v2}, Landroid/app/PendingIntent;->getService(Landroid/content/Context;ILandroid/content/Intent;I)Landroid/app/PendingIntent;
    move-result-object v0

    return-object v0
.end method


# Brings the app's task to the front, as the launcher icon does.
.method private openApp()Landroid/app/PendingIntent;
    .registers 5

    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {v0}, Landroid/content/Context;->getPackageManager()Landroid/content/pm/PackageManager;
    move-result-object v1
    invoke-virtual {v0}, Landroid/content/Context;->getPackageName()Ljava/lang/String;
    move-result-object v2
    invoke-virtual {v1, v2}, Landroid/content/pm/PackageManager;->getLaunchIntentForPackage(Ljava/lang/String;)Landroid/content/Intent;
    move-result-object v1
    if-eqz v1, :no_launcher
    const/4 v2, 0x0
    invoke-static {}, Lcom/pelorin/player/MediaControls;->flags()I
    move-result v3
    invoke-static {v0, v2, v1, v3}, Landroid/app/PendingIntent;->getActivity(Landroid/content/Context;ILandroid/content/Intent;I)Landroid/app/PendingIntent;
    move-result-object v1
    return-object v1

    :no_launcher
    const/4 v1, 0x0
    return-object v1
.end method


# Session metadata and playback state for song `index`, and its notification
# (null when no song is chosen).
.method public show(IZII)Landroid/app/Notification;
    .registers 12

    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->session:Landroid/media/session/MediaSession;
    if-gez p1, :chosen
    const/4 v1, 0x0
    return-object v1

    :chosen
    invoke-direct {p0, p1}, Lcom/pelorin/player/MediaControls;->art(I)Landroid/graphics/Bitmap;
    move-result-object v6
    iget-object v1, p0, Lcom/pelorin/player/MediaControls;->catalogue:Lcom/pelorin/player/Catalogue;
    new-instance v2, Landroid/media/MediaMetadata$Builder;
    invoke-direct {v2}, Landroid/media/MediaMetadata$Builder;-><init>()V
    const-string v3, "android.media.metadata.TITLE"
    invoke-virtual {v1, p1}, Lcom/pelorin/player/Catalogue;->title(I)Ljava/lang/String;
    move-result-object v4
    invoke-virtual {v2, v3, v4}, Landroid/media/MediaMetadata$Builder;->putString(Ljava/lang/String;Ljava/lang/String;)Landroid/media/MediaMetadata$Builder;
    const-string v3, "android.media.metadata.ARTIST"
    const/4 v5, 0x2
    invoke-virtual {v1, p1, v5}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v4
    invoke-virtual {v2, v3, v4}, Landroid/media/MediaMetadata$Builder;->putString(Ljava/lang/String;Ljava/lang/String;)Landroid/media/MediaMetadata$Builder;
    const-string v3, "android.media.metadata.ALBUM"
    const/4 v5, 0x3
    invoke-virtual {v1, p1, v5}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v4
    invoke-virtual {v2, v3, v4}, Landroid/media/MediaMetadata$Builder;->putString(Ljava/lang/String;Ljava/lang/String;)Landroid/media/MediaMetadata$Builder;
    const-string v3, "android.media.metadata.DURATION"
    int-to-long v4, p4
    invoke-virtual {v2, v3, v4, v5}, Landroid/media/MediaMetadata$Builder;->putLong(Ljava/lang/String;J)Landroid/media/MediaMetadata$Builder;
    if-eqz v6, :no_art
    const-string v3, "android.media.metadata.ALBUM_ART"
    invoke-virtual {v2, v3, v6}, Landroid/media/MediaMetadata$Builder;->putBitmap(Ljava/lang/String;Landroid/graphics/Bitmap;)Landroid/media/MediaMetadata$Builder;
    :no_art
    invoke-virtual {v2}, Landroid/media/MediaMetadata$Builder;->build()Landroid/media/MediaMetadata;
    move-result-object v2
    invoke-virtual {v0, v2}, Landroid/media/session/MediaSession;->setMetadata(Landroid/media/MediaMetadata;)V

    # play, pause, previous, next, seek, stop, play/pause: 0x337;
    # 3: STATE_PLAYING at speed 1, 2: STATE_PAUSED
    new-instance v2, Landroid/media/session/PlaybackState$Builder;
    invoke-direct {v2}, Landroid/media/session/PlaybackState$Builder;-><init>()V
    const-wide/16 v3, 0x337
    invoke-virtual {v2, v3, v4}, Landroid/media/session/PlaybackState$Builder;->setActions(J)Landroid/media/session/PlaybackState$Builder;
    const/4 v1, 0x2
    const/4 v5, 0x0
    if-eqz p2, :speed_known
    const/4 v1, 0x3
    const/high16 v5, 0x3f800000
    :speed_known
    int-to-long v3, p3
    invoke-virtual {v2, v1, v3, v4, v5}, Landroid/media/session/PlaybackState$Builder;->setState(IJF)Landroid/media/session/PlaybackState$Builder;
    invoke-virtual {v2}, Landroid/media/session/PlaybackState$Builder;->build()Landroid/media/session/PlaybackState;
    move-result-object v2
    invoke-virtual {v0, v2}, Landroid/media/session/MediaSession;->setPlaybackState(Landroid/media/session/PlaybackState;)V
    const/4 v1, 0x1
    invoke-virtual {v0, v1}, Landroid/media/session/MediaSession;->setActive(Z)V

    invoke-direct {p0, p1, p2, v6}, Lcom/pelorin/player/MediaControls;->notification(IZLandroid/graphics/Bitmap;)Landroid/app/Notification;
    move-result-object v0
    return-object v0
.end method


.method private notification(IZLandroid/graphics/Bitmap;)Landroid/app/Notification;
    .registers 11

    # v0: the service, v1: the builder, v2 .. v4: arguments
    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->service:Lcom/pelorin/player/PlaybackService;
    sget v2, Landroid/os/Build$VERSION;->SDK_INT:I
    const/16 v3, 0x1a
    if-lt v2, v3, :no_channel
    new-instance v1, Landroid/app/Notification$Builder;
    const-string v2, "playback"
    invoke-direct {v1, v0, v2}, Landroid/app/Notification$Builder;-><init>(Landroid/content/Context;Ljava/lang/String;)V
    goto :builder_made
    :no_channel
    new-instance v1, Landroid/app/Notification$Builder;
    invoke-direct {v1, v0}, Landroid/app/Notification$Builder;-><init>(Landroid/content/Context;)V
    :builder_made

    # the platform's own icons (android.R.drawable.ic_media_*)
    const v2, 0x1080024
    invoke-virtual {v1, v2}, Landroid/app/Notification$Builder;->setSmallIcon(I)Landroid/app/Notification$Builder;
    iget-object v2, p0, Lcom/pelorin/player/MediaControls;->catalogue:Lcom/pelorin/player/Catalogue;
    invoke-virtual {v2, p1}, Lcom/pelorin/player/Catalogue;->title(I)Ljava/lang/String;
    move-result-object v3
    invoke-virtual {v1, v3}, Landroid/app/Notification$Builder;->setContentTitle(Ljava/lang/CharSequence;)Landroid/app/Notification$Builder;
    const/4 v3, 0x2
    invoke-virtual {v2, p1, v3}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v3
    invoke-virtual {v1, v3}, Landroid/app/Notification$Builder;->setContentText(Ljava/lang/CharSequence;)Landroid/app/Notification$Builder;
    const/4 v3, 0x3
    invoke-virtual {v2, p1, v3}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v3
    invoke-virtual {v1, v3}, Landroid/app/Notification$Builder;->setSubText(Ljava/lang/CharSequence;)Landroid/app/Notification$Builder;
    if-eqz p3, :no_art
    invoke-virtual {v1, p3}, Landroid/app/Notification$Builder;->setLargeIcon(Landroid/graphics/Bitmap;)Landroid/app/Notification$Builder;
    :no_art

    invoke-direct {p0}, Lcom/pelorin/player/MediaControls;->openApp()Landroid/app/PendingIntent;
    move-result-object v2
    invoke-virtual {v1, v2}, Landroid/app/Notification$Builder;->setContentIntent(Landroid/app/PendingIntent;)Landroid/app/Notification$Builder;
    const-string v2, "com.pelorin.player.STOP"
    invoke-direct {p0, v2}, Lcom/pelorin/player/MediaControls;->button(Ljava/lang/String;)Landroid/app/PendingIntent;
    move-result-object v4
    invoke-virtual {v1, v4}, Landroid/app/Notification$Builder;->setDeleteIntent(Landroid/app/PendingIntent;)Landroid/app/Notification$Builder;
    # 1: VISIBILITY_PUBLIC, shown in full on the lock screen
    const/4 v2, 0x1
    invoke-virtual {v1, v2}, Landroid/app/Notification$Builder;->setVisibility(I)Landroid/app/Notification$Builder;
    const/4 v2, 0x0
    invoke-virtual {v1, v2}, Landroid/app/Notification$Builder;->setShowWhen(Z)Landroid/app/Notification$Builder;
    invoke-virtual {v1, p2}, Landroid/app/Notification$Builder;->setOngoing(Z)Landroid/app/Notification$Builder;

    const v2, 0x1080025
    const-string v3, "上一首"
    const-string v4, "com.pelorin.player.PREVIOUS"
    invoke-direct {p0, v1, v2, v3, v4}, Lcom/pelorin/player/MediaControls;->action(Landroid/app/Notification$Builder;ILjava/lang/String;Ljava/lang/String;)V
    const v2, 0x1080024
    const-string v3, "播放"
    if-eqz p2, :play_button
    const v2, 0x1080023
    const-string v3, "暂停"
    :play_button
    const-string v4, "com.pelorin.player.TOGGLE"
    invoke-direct {p0, v1, v2, v3, v4}, Lcom/pelorin/player/MediaControls;->action(Landroid/app/Notification$Builder;ILjava/lang/String;Ljava/lang/String;)V
    const v2, 0x1080022
    const-string v3, "下一首"
    const-string v4, "com.pelorin.player.NEXT"
    invoke-direct {p0, v1, v2, v3, v4}, Lcom/pelorin/player/MediaControls;->action(Landroid/app/Notification$Builder;ILjava/lang/String;Ljava/lang/String;)V
    const v2, 0x1080038
    const-string v3, "停止"
    const-string v4, "com.pelorin.player.STOP"
    invoke-direct {p0, v1, v2, v3, v4}, Lcom/pelorin/player/MediaControls;->action(Landroid/app/Notification$Builder;ILjava/lang/String;Ljava/lang/String;)V

    # previous, play/pause and next (actions 0, 1, 2) in the small view too
    new-instance v2, Landroid/app/Notification$MediaStyle;
    invoke-direct {v2}, Landroid/app/Notification$MediaStyle;-><init>()V
    iget-object v3, p0, Lcom/pelorin/player/MediaControls;->session:Landroid/media/session/MediaSession;
    invoke-virtual {v3}, Landroid/media/session/MediaSession;->getSessionToken()Landroid/media/session/MediaSession$Token;
    move-result-object v3
    invoke-virtual {v2, v3}, Landroid/app/Notification$MediaStyle;->setMediaSession(Landroid/media/session/MediaSession$Token;)Landroid/app/Notification$MediaStyle;
    const/4 v3, 0x3
    new-array v3, v3, [I
    const/4 v4, 0x1
    aput v4, v3, v4
    const/4 v4, 0x2
    aput v4, v3, v4
    invoke-virtual {v2, v3}, Landroid/app/Notification$MediaStyle;->setShowActionsInCompactView([I)Landroid/app/Notification$MediaStyle;
    invoke-virtual {v1, v2}, Landroid/app/Notification$Builder;->setStyle(Landroid/app/Notification$Style;)Landroid/app/Notification$Builder;

    invoke-virtual {v1}, Landroid/app/Notification$Builder;->build()Landroid/app/Notification;
    move-result-object v0
    return-object v0
.end method


.method private action(Landroid/app/Notification$Builder;ILjava/lang/String;Ljava/lang/String;)V
    .registers 6

    invoke-direct {p0, p4}, Lcom/pelorin/player/MediaControls;->button(Ljava/lang/String;)Landroid/app/PendingIntent;
    move-result-object v0
    invoke-virtual {p1, p2, p3, v0}, Landroid/app/Notification$Builder;->addAction(ILjava/lang/CharSequence;Landroid/app/PendingIntent;)Landroid/app/Notification$Builder;

    return-void
.end method


# The song's picture for the session and the notification, sampled down to
# at most 512 px a side; null when it has none or it cannot be decoded.
.method private art(I)Landroid/graphics/Bitmap;
    .registers 10

    iget v0, p0, Lcom/pelorin/player/MediaControls;->artIndex:I
    if-ne v0, p1, :decode
    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->art:Landroid/graphics/Bitmap;
    return-object v0

    :decode
    iput p1, p0, Lcom/pelorin/player/MediaControls;->artIndex:I
    const/4 v0, 0x0
    iput-object v0, p0, Lcom/pelorin/player/MediaControls;->art:Landroid/graphics/Bitmap;
    iget-object v1, p0, Lcom/pelorin/player/MediaControls;->catalogue:Lcom/pelorin/player/Catalogue;
    const/4 v2, 0x4
    invoke-virtual {v1, p1, v2}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v1
    invoke-virtual {v1}, Ljava/lang/String;->length()I
    move-result v2
    if-nez v2, :named
    return-object v0

    # v1: the asset, v2: the assets, v3: options, v4: a stream, v5: the size, v6: the sample
    :named
    :try_start_decode
    iget-object v2, p0, Lcom/pelorin/player/MediaControls;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {v2}, Landroid/content/Context;->getAssets()Landroid/content/res/AssetManager;
    move-result-object v2
    new-instance v3, Landroid/graphics/BitmapFactory$Options;
    invoke-direct {v3}, Landroid/graphics/BitmapFactory$Options;-><init>()V
    const/4 v5, 0x1
    iput-boolean v5, v3, Landroid/graphics/BitmapFactory$Options;->inJustDecodeBounds:Z
    invoke-virtual {v2, v1}, Landroid/content/res/AssetManager;->open(Ljava/lang/String;)Ljava/io/InputStream;
    move-result-object v4
    invoke-static {v4, v0, v3}, Landroid/graphics/BitmapFactory;->decodeStream(Ljava/io/InputStream;Landroid/graphics/Rect;Landroid/graphics/BitmapFactory$Options;)Landroid/graphics/Bitmap;
    invoke-virtual {v4}, Ljava/io/InputStream;->close()V

    iget v5, v3, Landroid/graphics/BitmapFactory$Options;->outWidth:I
    iget v6, v3, Landroid/graphics/BitmapFactory$Options;->outHeight:I
    invoke-static {v5, v6}, Ljava/lang/Math;->max(II)I
    move-result v5
    const/4 v6, 0x1
    :halve
    div-int v4, v5, v6
    const/16 v7, 0x200
    if-le v4, v7, :sampled
    mul-int/lit8 v6, v6, 0x2
    goto :halve

    :sampled
    const/4 v5, 0x0
    iput-boolean v5, v3, Landroid/graphics/BitmapFactory$Options;->inJustDecodeBounds:Z
    iput v6, v3, Landroid/graphics/BitmapFactory$Options;->inSampleSize:I
    invoke-virtual {v2, v1}, Landroid/content/res/AssetManager;->open(Ljava/lang/String;)Ljava/io/InputStream;
    move-result-object v4
    invoke-static {v4, v0, v3}, Landroid/graphics/BitmapFactory;->decodeStream(Ljava/io/InputStream;Landroid/graphics/Rect;Landroid/graphics/BitmapFactory$Options;)Landroid/graphics/Bitmap;
    move-result-object v0
    invoke-virtual {v4}, Ljava/io/InputStream;->close()V
    :try_end_decode
    .catch Ljava/lang/Exception; {:try_start_decode .. :try_end_decode} :unreadable

    iput-object v0, p0, Lcom/pelorin/player/MediaControls;->art:Landroid/graphics/Bitmap;
    :unreadable
    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->art:Landroid/graphics/Bitmap;
    return-object v0
.end method


# Playing: in the foreground with the notification (the media playback type
# on API 29+). Android 12+ may refuse that for a start from the background;
# the music then goes on with a plain notification. Paused: a plain one.
.method public publish(Landroid/app/Notification;Z)V
    .registers 7

    if-eqz p2, :plain
    iget-object v3, p0, Lcom/pelorin/player/MediaControls;->service:Lcom/pelorin/player/PlaybackService;
    const/4 v2, 0x1
    :try_start_foreground
    sget v0, Landroid/os/Build$VERSION;->SDK_INT:I
    const/16 v1, 0x1d
    if-lt v0, v1, :untyped
    const/4 v1, 0x2
    invoke-virtual {v3, v2, p1, v1}, Landroid/app/Service;->startForeground(ILandroid/app/Notification;I)V
    goto :done
    :untyped
    invoke-virtual {v3, v2, p1}, Landroid/app/Service;->startForeground(ILandroid/app/Notification;)V
    :try_end_foreground
    .catch Ljava/lang/RuntimeException; {:try_start_foreground .. :try_end_foreground} :plain

    :done
    return-void

    :plain
    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->manager:Landroid/app/NotificationManager;
    const/4 v1, 0x1
    invoke-virtual {v0, v1, p1}, Landroid/app/NotificationManager;->notify(ILandroid/app/Notification;)V
    return-void
.end method


# Stopped: no notification, and the session no longer takes the buttons.
.method public cancel()V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->manager:Landroid/app/NotificationManager;
    const/4 v1, 0x1
    invoke-virtual {v0, v1}, Landroid/app/NotificationManager;->cancel(I)V
    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->session:Landroid/media/session/MediaSession;
    const/4 v1, 0x0
    invoke-virtual {v0, v1}, Landroid/media/session/MediaSession;->setActive(Z)V

    return-void
.end method


.method public release()V
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/MediaControls;->session:Landroid/media/session/MediaSession;
    invoke-virtual {v0}, Landroid/media/session/MediaSession;->release()V

    return-void
.end method

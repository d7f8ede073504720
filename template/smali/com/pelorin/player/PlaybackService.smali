.class public Lcom/pelorin/player/PlaybackService;
.super Landroid/app/Service;
.source "PlaybackService.smali"

# Owns the music: the MediaPlayer over the stored audio assets, the queue of
# res/raw/songs.json, the play mode and the next-song logic, so that songs
# follow each other with the screen off and no page running. While it plays
# it is a started foreground service (mediaPlayback) holding audio focus and
# a partial wake lock (the player's wake mode); paused, it leaves the
# foreground and its notification can be dismissed.
#
# Everything runs on the main thread, except what the page's bridge thread
# calls: command() (posts to the main thread), stateJson(), position() and
# duration(). Methods that touch the player are synchronized for those.
#
# Commands (perform's code, arg, text):
#   1 select song arg   2 pause          3 resume        4 seek to arg ms
#   5 next              6 previous       7 repeat text   8 shuffle arg (0/1)
#   9 stop (notification dismissed)      10 play/pause   11 save the place
#   12 pause for a transient loss of audio focus

.implements Landroid/media/MediaPlayer$OnCompletionListener;
.implements Landroid/media/MediaPlayer$OnErrorListener;
.implements Landroid/os/Handler$Callback;


.field private player:Landroid/media/MediaPlayer;

.field private handler:Landroid/os/Handler;

.field private catalogue:Lcom/pelorin/player/Catalogue;

.field private playlist:Lcom/pelorin/player/Playlist;

.field private controls:Lcom/pelorin/player/MediaControls;

.field private focus:Lcom/pelorin/player/AudioFocus;

.field private noisy:Lcom/pelorin/player/NoisyReceiver;

.field private noisyRegistered:Z

# the page of the activity on screen, or null
.field private listener:Lcom/pelorin/player/StateListener;

.field private transport:Lcom/pelorin/player/Transport;

# started with startService, so it outlives the activity's binding
.field private started:Z


.method public constructor <init>()V
    .registers 1

    invoke-direct {p0}, Landroid/app/Service;-><init>()V

    return-void
.end method


.method public onCreate()V
    .registers 9

    invoke-super {p0}, Landroid/app/Service;->onCreate()V

    # v5: catalogue, v6: playlist
    invoke-static {p0}, Lcom/pelorin/player/Catalogue;->load(Landroid/content/Context;)Lcom/pelorin/player/Catalogue;
    move-result-object v5
    iput-object v5, p0, Lcom/pelorin/player/PlaybackService;->catalogue:Lcom/pelorin/player/Catalogue;
    new-instance v6, Lcom/pelorin/player/Playlist;
    invoke-virtual {v5}, Lcom/pelorin/player/Catalogue;->count()I
    move-result v0
    invoke-direct {v6, v0}, Lcom/pelorin/player/Playlist;-><init>(I)V
    iput-object v6, p0, Lcom/pelorin/player/PlaybackService;->playlist:Lcom/pelorin/player/Playlist;

    new-instance v0, Landroid/os/Handler;
    invoke-static {}, Landroid/os/Looper;->getMainLooper()Landroid/os/Looper;
    move-result-object v1
    invoke-direct {v0, v1, p0}, Landroid/os/Handler;-><init>(Landroid/os/Looper;Landroid/os/Handler$Callback;)V
    iput-object v0, p0, Lcom/pelorin/player/PlaybackService;->handler:Landroid/os/Handler;

    # v4: music, for the player and the focus request (1: USAGE_MEDIA, 2: CONTENT_TYPE_MUSIC)
    new-instance v0, Landroid/media/AudioAttributes$Builder;
    invoke-direct {v0}, Landroid/media/AudioAttributes$Builder;-><init>()V
    const/4 v1, 0x1
    invoke-virtual {v0, v1}, Landroid/media/AudioAttributes$Builder;->setUsage(I)Landroid/media/AudioAttributes$Builder;
    const/4 v1, 0x2
    invoke-virtual {v0, v1}, Landroid/media/AudioAttributes$Builder;->setContentType(I)Landroid/media/AudioAttributes$Builder;
    invoke-virtual {v0}, Landroid/media/AudioAttributes$Builder;->build()Landroid/media/AudioAttributes;
    move-result-object v4

    # v3: the player, which keeps the CPU awake while it plays (1: PARTIAL_WAKE_LOCK)
    new-instance v3, Landroid/media/MediaPlayer;
    invoke-direct {v3}, Landroid/media/MediaPlayer;-><init>()V
    invoke-virtual {v3, p0}, Landroid/media/MediaPlayer;->setOnCompletionListener(Landroid/media/MediaPlayer$OnCompletionListener;)V
    invoke-virtual {v3, p0}, Landroid/media/MediaPlayer;->setOnErrorListener(Landroid/media/MediaPlayer$OnErrorListener;)V
    const/4 v0, 0x1
    invoke-virtual {v3, p0, v0}, Landroid/media/MediaPlayer;->setWakeMode(Landroid/content/Context;I)V
    iput-object v3, p0, Lcom/pelorin/player/PlaybackService;->player:Landroid/media/MediaPlayer;

    new-instance v0, Lcom/pelorin/player/AudioFocus;
    invoke-direct {v0, p0, v4}, Lcom/pelorin/player/AudioFocus;-><init>(Lcom/pelorin/player/PlaybackService;Landroid/media/AudioAttributes;)V
    iput-object v0, p0, Lcom/pelorin/player/PlaybackService;->focus:Lcom/pelorin/player/AudioFocus;
    new-instance v0, Lcom/pelorin/player/NoisyReceiver;
    invoke-direct {v0, p0}, Lcom/pelorin/player/NoisyReceiver;-><init>(Lcom/pelorin/player/PlaybackService;)V
    iput-object v0, p0, Lcom/pelorin/player/PlaybackService;->noisy:Lcom/pelorin/player/NoisyReceiver;
    new-instance v0, Lcom/pelorin/player/MediaControls;
    invoke-direct {v0, p0, v5}, Lcom/pelorin/player/MediaControls;-><init>(Lcom/pelorin/player/PlaybackService;Lcom/pelorin/player/Catalogue;)V
    iput-object v0, p0, Lcom/pelorin/player/PlaybackService;->controls:Lcom/pelorin/player/MediaControls;

    new-instance v1, Lcom/pelorin/player/Transport;
    move-object v2, p0
    invoke-direct/range {v1 .. v6}, Lcom/pelorin/player/Transport;-><init>(Lcom/pelorin/player/PlaybackService;Landroid/media/MediaPlayer;Landroid/media/AudioAttributes;Lcom/pelorin/player/Catalogue;Lcom/pelorin/player/Playlist;)V
    iput-object v1, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;

    invoke-direct {p0}, Lcom/pelorin/player/PlaybackService;->restore()V

    return-void
.end method


.method public onBind(Landroid/content/Intent;)Landroid/os/IBinder;
    .registers 3

    new-instance v0, Lcom/pelorin/player/ServiceBinder;
    invoke-direct {v0, p0}, Lcom/pelorin/player/ServiceBinder;-><init>(Lcom/pelorin/player/PlaybackService;)V

    return-object v0
.end method


# The notification's buttons arrive here as intents. Not restarted after the
# process dies (2: START_NOT_STICKY): the next start restores the place.
.method public onStartCommand(Landroid/content/Intent;II)I
    .registers 7

    if-eqz p1, :done
    invoke-virtual {p1}, Landroid/content/Intent;->getAction()Ljava/lang/String;
    move-result-object v0
    invoke-static {v0}, Lcom/pelorin/player/MediaControls;->commandOf(Ljava/lang/String;)I
    move-result v0
    if-eqz v0, :done
    const/4 v1, 0x0
    const/4 v2, 0x0
    invoke-virtual {p0, v0, v1, v2}, Lcom/pelorin/player/PlaybackService;->perform(IILjava/lang/String;)V

    :done
    const/4 v0, 0x2
    return v0
.end method


# Swiped out of the recent apps while paused: nothing is left to do.
.method public onTaskRemoved(Landroid/content/Intent;)V
    .registers 3

    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->isPlaying()Z
    move-result v0
    if-nez v0, :playing
    invoke-virtual {p0}, Landroid/app/Service;->stopSelf()V

    :playing
    return-void
.end method


.method public onDestroy()V
    .registers 1

    invoke-direct {p0}, Lcom/pelorin/player/PlaybackService;->shutdown()V
    invoke-super {p0}, Landroid/app/Service;->onDestroy()V

    return-void
.end method


.method private declared-synchronized shutdown()V
    .registers 3

    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->save()V
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->handler:Landroid/os/Handler;
    const/16 v1, 0xb
    invoke-virtual {v0, v1}, Landroid/os/Handler;->removeMessages(I)V
    const/4 v0, 0x0
    invoke-virtual {p0, v0}, Lcom/pelorin/player/PlaybackService;->stoppedPlaying(Z)V
    iput-object v0, p0, Lcom/pelorin/player/PlaybackService;->listener:Lcom/pelorin/player/StateListener;

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v0}, Landroid/media/MediaPlayer;->release()V
    # no notification outlives the service
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->controls:Lcom/pelorin/player/MediaControls;
    invoke-virtual {v0}, Lcom/pelorin/player/MediaControls;->cancel()V
    invoke-virtual {v0}, Lcom/pelorin/player/MediaControls;->release()V
    const/4 v0, 0x0
    iput-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;

    return-void
.end method


# ---- from other threads ---------------------------------------------------

# Any thread: runs perform(code, arg, text) on the main thread.
.method public command(IILjava/lang/String;)V
    .registers 6

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->handler:Landroid/os/Handler;
    const/4 v1, 0x0
    invoke-virtual {v0, p1, p2, v1, p3}, Landroid/os/Handler;->obtainMessage(IIILjava/lang/Object;)Landroid/os/Message;
    move-result-object v0
    invoke-virtual {v0}, Landroid/os/Message;->sendToTarget()V

    return-void
.end method


.method public handleMessage(Landroid/os/Message;)Z
    .registers 5

    iget v0, p1, Landroid/os/Message;->what:I
    iget v1, p1, Landroid/os/Message;->arg1:I
    iget-object v2, p1, Landroid/os/Message;->obj:Ljava/lang/Object;
    check-cast v2, Ljava/lang/String;
    invoke-virtual {p0, v0, v1, v2}, Lcom/pelorin/player/PlaybackService;->perform(IILjava/lang/String;)V

    const/4 v0, 0x1
    return v0
.end method


# Milliseconds, 0 when nothing is loaded (or the service is gone).
.method public declared-synchronized position()I
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->position()I
    move-result v0
    return v0

    :gone
    const/4 v0, 0x0
    return v0
.end method


.method public declared-synchronized duration()I
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->duration()I
    move-result v0
    return v0

    :gone
    const/4 v0, 0x0
    return v0
.end method


.method public declared-synchronized isPlaying()Z
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->isPlaying()Z
    move-result v0
    return v0

    :gone
    const/4 v0, 0x0
    return v0
.end method


# The state as the page reads it; `event` (or null) and `failed` (or -1) are
# added for the events.
.method public declared-synchronized stateJson(Ljava/lang/String;I)Ljava/lang/String;
    .registers 4

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0, p1, p2}, Lcom/pelorin/player/Transport;->describe(Ljava/lang/String;I)Ljava/lang/String;
    move-result-object v0
    return-object v0

    :gone
    const-string v0, "{\"index\":-1,\"playing\":false,\"position\":0,\"duration\":0,\"repeat\":\"all\",\"shuffle\":false}"
    return-object v0
.end method


# The page of a new activity: it is told the state at once.
.method public declared-synchronized setListener(Lcom/pelorin/player/StateListener;)V
    .registers 4

    iput-object p1, p0, Lcom/pelorin/player/PlaybackService;->listener:Lcom/pelorin/player/StateListener;
    const-string v0, "song"
    const/4 v1, -0x1
    invoke-virtual {p0, v0, v1}, Lcom/pelorin/player/PlaybackService;->stateJson(Ljava/lang/String;I)Ljava/lang/String;
    move-result-object v0
    invoke-interface {p1, v0}, Lcom/pelorin/player/StateListener;->onState(Ljava/lang/String;)V

    return-void
.end method


# An activity going away; a newer one may already listen.
.method public declared-synchronized clearListener(Lcom/pelorin/player/StateListener;)V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->listener:Lcom/pelorin/player/StateListener;
    if-ne v0, p1, :other
    const/4 v0, 0x0
    iput-object v0, p0, Lcom/pelorin/player/PlaybackService;->listener:Lcom/pelorin/player/StateListener;

    :other
    return-void
.end method


# ---- commands and what they change --------------------------------------------

.method public declared-synchronized perform(IILjava/lang/String;)V
    .registers 10

    iget-object v1, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v1, :gone
    iget-object v2, p0, Lcom/pelorin/player/PlaybackService;->playlist:Lcom/pelorin/player/Playlist;
    move-object v0, p0
    move v3, p1
    move v4, p2
    move-object v5, p3
    invoke-static/range {v0 .. v5}, Lcom/pelorin/player/Commands;->perform(Lcom/pelorin/player/PlaybackService;Lcom/pelorin/player/Transport;Lcom/pelorin/player/Playlist;IILjava/lang/String;)V

    :gone
    return-void
.end method


# The notification was dismissed or its stop button pressed.
.method stop()V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    const/4 v1, 0x0
    invoke-virtual {v0, v1}, Lcom/pelorin/player/Transport;->pause(Z)V
    const/4 v1, 0x1
    invoke-virtual {p0, v1}, Landroid/app/Service;->stopForeground(Z)V
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->controls:Lcom/pelorin/player/MediaControls;
    invoke-virtual {v0}, Lcom/pelorin/player/MediaControls;->cancel()V
    const/4 v1, 0x0
    iput-boolean v1, p0, Lcom/pelorin/player/PlaybackService;->started:Z
    invoke-virtual {p0}, Landroid/app/Service;->stopSelf()V

    return-void
.end method


# The place is saved every 10 s while playing, in case the process is killed.
.method saveLater()V
    .registers 5

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->handler:Landroid/os/Handler;
    const/16 v1, 0xb
    invoke-virtual {v0, v1}, Landroid/os/Handler;->removeMessages(I)V
    const-wide/16 v2, 0x2710
    invoke-virtual {v0, v1, v2, v3}, Landroid/os/Handler;->sendEmptyMessageDelayed(IJ)Z

    return-void
.end method


.method save()V
    .registers 7

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->current()I
    move-result v4
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->position()I
    move-result v5
    iget-object v2, p0, Lcom/pelorin/player/PlaybackService;->catalogue:Lcom/pelorin/player/Catalogue;
    iget-object v3, p0, Lcom/pelorin/player/PlaybackService;->playlist:Lcom/pelorin/player/Playlist;
    invoke-static {p0, v2, v3, v4, v5}, Lcom/pelorin/player/SavedPlace;->save(Landroid/content/Context;Lcom/pelorin/player/Catalogue;Lcom/pelorin/player/Playlist;II)V

    :gone
    return-void
.end method


.method private restore()V
    .registers 4

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->catalogue:Lcom/pelorin/player/Catalogue;
    iget-object v1, p0, Lcom/pelorin/player/PlaybackService;->playlist:Lcom/pelorin/player/Playlist;
    iget-object v2, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    invoke-static {p0, v0, v1, v2}, Lcom/pelorin/player/SavedPlace;->restore(Landroid/content/Context;Lcom/pelorin/player/Catalogue;Lcom/pelorin/player/Playlist;Lcom/pelorin/player/Transport;)V

    return-void
.end method


# ---- called by the transport, with the lock held --------------------------------

.method public requestFocus()Z
    .registers 2

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->focus:Lcom/pelorin/player/AudioFocus;
    invoke-virtual {v0}, Lcom/pelorin/player/AudioFocus;->request()Z
    move-result v0

    return v0
.end method


# Playing: the service is started (it outlives the activity) and listens for
# headphones being unplugged.
.method public startedPlaying()V
    .registers 4

    iget-boolean v0, p0, Lcom/pelorin/player/PlaybackService;->started:Z
    if-nez v0, :started
    :try_start_service
    new-instance v0, Landroid/content/Intent;
    const-class v1, Lcom/pelorin/player/PlaybackService;
    invoke-direct {v0, p0, v1}, Landroid/content/Intent;-><init>(Landroid/content/Context;Ljava/lang/Class;)V
    invoke-virtual {p0, v0}, Landroid/content/Context;->startService(Landroid/content/Intent;)Landroid/content/ComponentName;
    :try_end_service
    .catch Ljava/lang/RuntimeException; {:try_start_service .. :try_end_service} :not_allowed
    :not_allowed
    const/4 v0, 0x1
    iput-boolean v0, p0, Lcom/pelorin/player/PlaybackService;->started:Z

    :started
    iget-boolean v0, p0, Lcom/pelorin/player/PlaybackService;->noisyRegistered:Z
    if-nez v0, :listening
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->noisy:Lcom/pelorin/player/NoisyReceiver;
    new-instance v1, Landroid/content/IntentFilter;
    const-string v2, "android.media.AUDIO_BECOMING_NOISY"
    invoke-direct {v1, v2}, Landroid/content/IntentFilter;-><init>(Ljava/lang/String;)V
    invoke-virtual {p0, v0, v1}, Landroid/content/Context;->registerReceiver(Landroid/content/BroadcastReceiver;Landroid/content/IntentFilter;)Landroid/content/Intent;
    const/4 v0, 0x1
    iput-boolean v0, p0, Lcom/pelorin/player/PlaybackService;->noisyRegistered:Z

    :listening
    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->saveLater()V

    return-void
.end method


# Not playing any more: out of the foreground (the notification stays), and
# audio focus given up unless it is to come back.
.method public stoppedPlaying(Z)V
    .registers 4

    iget-boolean v0, p0, Lcom/pelorin/player/PlaybackService;->noisyRegistered:Z
    if-eqz v0, :not_listening
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->noisy:Lcom/pelorin/player/NoisyReceiver;
    invoke-virtual {p0, v0}, Landroid/content/Context;->unregisterReceiver(Landroid/content/BroadcastReceiver;)V
    const/4 v0, 0x0
    iput-boolean v0, p0, Lcom/pelorin/player/PlaybackService;->noisyRegistered:Z

    :not_listening
    const/4 v0, 0x0
    invoke-virtual {p0, v0}, Landroid/app/Service;->stopForeground(Z)V
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->handler:Landroid/os/Handler;
    const/16 v1, 0xb
    invoke-virtual {v0, v1}, Landroid/os/Handler;->removeMessages(I)V
    if-nez p1, :keep_focus
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->focus:Lcom/pelorin/player/AudioFocus;
    invoke-virtual {v0}, Lcom/pelorin/player/AudioFocus;->abandon()V

    :keep_focus
    return-void
.end method


# The state changed: the place is saved, the session and the notification
# follow, and the page gets the event (null: no page event).
.method public changed(Ljava/lang/String;)V
    .registers 3

    const/4 v0, -0x1
    invoke-direct {p0, p1, v0}, Lcom/pelorin/player/PlaybackService;->emit(Ljava/lang/String;I)V

    return-void
.end method


# Song `index` could not be played.
.method public failed(I)V
    .registers 3

    const-string v0, "failed"
    invoke-direct {p0, v0, p1}, Lcom/pelorin/player/PlaybackService;->emit(Ljava/lang/String;I)V

    return-void
.end method


.method private emit(Ljava/lang/String;I)V
    .registers 8

    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->save()V

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->isPlaying()Z
    move-result v2
    iget-object v4, p0, Lcom/pelorin/player/PlaybackService;->controls:Lcom/pelorin/player/MediaControls;
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->current()I
    move-result v1
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->position()I
    move-result v3
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->duration()I
    move-result v0
    invoke-virtual {v4, v1, v2, v3, v0}, Lcom/pelorin/player/MediaControls;->show(IZII)Landroid/app/Notification;
    move-result-object v0

    # the notification, once the service has played
    if-eqz v0, :to_page
    iget-boolean v1, p0, Lcom/pelorin/player/PlaybackService;->started:Z
    if-eqz v1, :to_page
    invoke-virtual {v4, v0, v2}, Lcom/pelorin/player/MediaControls;->publish(Landroid/app/Notification;Z)V

    :to_page
    if-eqz p1, :done
    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->listener:Lcom/pelorin/player/StateListener;
    if-eqz v0, :done
    invoke-virtual {p0, p1, p2}, Lcom/pelorin/player/PlaybackService;->stateJson(Ljava/lang/String;I)Ljava/lang/String;
    move-result-object v1
    invoke-interface {v0, v1}, Lcom/pelorin/player/StateListener;->onState(Ljava/lang/String;)V

    :done
    return-void
.end method


# ---- the player, the audio focus -------------------------------------------------

.method public declared-synchronized onCompletion(Landroid/media/MediaPlayer;)V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->completed()V

    :gone
    return-void
.end method


.method public declared-synchronized onError(Landroid/media/MediaPlayer;II)Z
    .registers 5

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0}, Lcom/pelorin/player/Transport;->failedWhilePlaying()V

    :gone
    const/4 v0, 0x1
    return v0
.end method


.method public declared-synchronized setVolume(F)V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/PlaybackService;->transport:Lcom/pelorin/player/Transport;
    if-eqz v0, :gone
    invoke-virtual {v0, p1}, Lcom/pelorin/player/Transport;->setVolume(F)V

    :gone
    return-void
.end method

.class public Lcom/pelorin/player/Transport;
.super Ljava/lang/Object;
.source "Transport.smali"

# The playback service's player and queue: which song is chosen, whether it
# plays, and what comes next. A song that cannot be played is reported and
# the next one tried, once round the album at most. Called with the
# service's lock held; tells the service of every change (changed, started,
# stopped) so it can update the page, the notification and the saved place.


.field private final service:Lcom/pelorin/player/PlaybackService;

.field private final player:Landroid/media/MediaPlayer;

.field private final attributes:Landroid/media/AudioAttributes;

.field private final catalogue:Lcom/pelorin/player/Catalogue;

.field private final playlist:Lcom/pelorin/player/Playlist;

# songs.json index of the chosen song, -1 when none is
.field private current:I

# the player holds the current song
.field private prepared:Z

.field private playing:Z

# songs that failed one after another
.field private failures:I


.method public constructor <init>(Lcom/pelorin/player/PlaybackService;Landroid/media/MediaPlayer;Landroid/media/AudioAttributes;Lcom/pelorin/player/Catalogue;Lcom/pelorin/player/Playlist;)V
    .registers 7

    invoke-direct {p0}, Ljava/lang/Object;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    iput-object p2, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    iput-object p3, p0, Lcom/pelorin/player/Transport;->attributes:Landroid/media/AudioAttributes;
    iput-object p4, p0, Lcom/pelorin/player/Transport;->catalogue:Lcom/pelorin/player/Catalogue;
    iput-object p5, p0, Lcom/pelorin/player/Transport;->playlist:Lcom/pelorin/player/Playlist;
    const/4 v0, -0x1
    iput v0, p0, Lcom/pelorin/player/Transport;->current:I

    return-void
.end method


.method public current()I
    .registers 2

    iget v0, p0, Lcom/pelorin/player/Transport;->current:I

    return v0
.end method


.method public isPlaying()Z
    .registers 2

    iget-boolean v0, p0, Lcom/pelorin/player/Transport;->playing:Z

    return v0
.end method


# Milliseconds, 0 when nothing is loaded.
.method public position()I
    .registers 2

    iget-boolean v0, p0, Lcom/pelorin/player/Transport;->prepared:Z
    if-eqz v0, :idle
    iget-object v0, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v0}, Landroid/media/MediaPlayer;->getCurrentPosition()I
    move-result v0

    # when not prepared, v0 holds false, which is 0
    :idle
    return v0
.end method


.method public duration()I
    .registers 2

    iget-boolean v0, p0, Lcom/pelorin/player/Transport;->prepared:Z
    if-eqz v0, :idle
    iget-object v0, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v0}, Landroid/media/MediaPlayer;->getDuration()I
    move-result v0

    :idle
    return v0
.end method


# Loads a song into the player, not playing. False when it cannot be played:
# no file named, missing, compressed in the package (no file descriptor),
# empty or not decodable.
.method private open(I)Z
    .registers 12

    const/4 v0, 0x0
    iput-boolean v0, p0, Lcom/pelorin/player/Transport;->prepared:Z
    iget-object v2, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v2}, Landroid/media/MediaPlayer;->reset()V

    iget-object v1, p0, Lcom/pelorin/player/Transport;->catalogue:Lcom/pelorin/player/Catalogue;
    invoke-virtual {v1, p1, v0}, Lcom/pelorin/player/Catalogue;->field(II)Ljava/lang/String;
    move-result-object v8
    invoke-virtual {v8}, Ljava/lang/String;->length()I
    move-result v1
    if-nez v1, :named
    return v0

    # v1: the asset's file descriptor, closed on every way out;
    # v2 .. v7: player, descriptor, offset (wide), length (wide) for the ranged call
    :named
    const/4 v1, 0x0
    :try_start_open
    iget-object v9, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {v9}, Landroid/content/Context;->getAssets()Landroid/content/res/AssetManager;
    move-result-object v9
    invoke-virtual {v9, v8}, Landroid/content/res/AssetManager;->openFd(Ljava/lang/String;)Landroid/content/res/AssetFileDescriptor;
    move-result-object v1
    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->getFileDescriptor()Ljava/io/FileDescriptor;
    move-result-object v3
    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->getStartOffset()J
    move-result-wide v4
    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->getLength()J
    move-result-wide v6
    invoke-virtual/range {v2 .. v7}, Landroid/media/MediaPlayer;->setDataSource(Ljava/io/FileDescriptor;JJ)V
    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->close()V
    const/4 v1, 0x0
    iget-object v9, p0, Lcom/pelorin/player/Transport;->attributes:Landroid/media/AudioAttributes;
    invoke-virtual {v2, v9}, Landroid/media/MediaPlayer;->setAudioAttributes(Landroid/media/AudioAttributes;)V
    invoke-virtual {v2}, Landroid/media/MediaPlayer;->prepare()V
    :try_end_open
    .catch Ljava/lang/Exception; {:try_start_open .. :try_end_open} :open_failed

    const/4 v0, 0x1
    iput-boolean v0, p0, Lcom/pelorin/player/Transport;->prepared:Z
    return v0

    :open_failed
    if-eqz v1, :closed
    :try_start_close
    invoke-virtual {v1}, Landroid/content/res/AssetFileDescriptor;->close()V
    :try_end_close
    .catch Ljava/io/IOException; {:try_start_close .. :try_end_close} :closed

    :closed
    const/4 v0, 0x0
    return v0
.end method


# Starts the loaded song once audio focus is granted (a call may hold it).
.method private start()V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {v0}, Lcom/pelorin/player/PlaybackService;->requestFocus()Z
    move-result v1
    if-eqz v1, :refused

    iget-object v1, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v1}, Landroid/media/MediaPlayer;->start()V
    const/4 v1, 0x1
    iput-boolean v1, p0, Lcom/pelorin/player/Transport;->playing:Z
    invoke-virtual {v0}, Lcom/pelorin/player/PlaybackService;->startedPlaying()V
    return-void

    :refused
    iget-boolean v1, p0, Lcom/pelorin/player/Transport;->playing:Z
    if-eqz v1, :was_paused
    const/4 v1, 0x0
    iput-boolean v1, p0, Lcom/pelorin/player/Transport;->playing:Z
    invoke-virtual {v0, v1}, Lcom/pelorin/player/PlaybackService;->stoppedPlaying(Z)V

    :was_paused
    return-void
.end method


# Plays song `index` from its start, or the next playable one.
.method private play(I)V
    .registers 4

    :attempt
    iput p1, p0, Lcom/pelorin/player/Transport;->current:I
    invoke-direct {p0, p1}, Lcom/pelorin/player/Transport;->open(I)Z
    move-result v0
    if-nez v0, :opened
    invoke-direct {p0, p1}, Lcom/pelorin/player/Transport;->afterFailure(I)I
    move-result p1
    if-gez p1, :attempt
    return-void

    :opened
    invoke-direct {p0}, Lcom/pelorin/player/Transport;->start()V
    iget-object v0, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    const-string v1, "song"
    invoke-virtual {v0, v1}, Lcom/pelorin/player/PlaybackService;->changed(Ljava/lang/String;)V

    return-void
.end method


# Reports song `index` as unplayable; returns the song to try next, or -1
# when the album ends there or a whole round failed.
.method private afterFailure(I)I
    .registers 6

    iget v0, p0, Lcom/pelorin/player/Transport;->failures:I
    add-int/lit8 v0, v0, 0x1
    iput v0, p0, Lcom/pelorin/player/Transport;->failures:I
    iget-object v1, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {v1, p1}, Lcom/pelorin/player/PlaybackService;->failed(I)V

    iget-object v2, p0, Lcom/pelorin/player/Transport;->catalogue:Lcom/pelorin/player/Catalogue;
    invoke-virtual {v2}, Lcom/pelorin/player/Catalogue;->count()I
    move-result v2
    if-ge v0, v2, :round_failed
    iget-object v2, p0, Lcom/pelorin/player/Transport;->playlist:Lcom/pelorin/player/Playlist;
    const/4 v0, 0x1
    invoke-virtual {v2, p1, v0, v0}, Lcom/pelorin/player/Playlist;->step(IIZ)I
    move-result v0
    if-ltz v0, :round_failed
    return v0

    :round_failed
    invoke-direct {p0}, Lcom/pelorin/player/Transport;->ended()V
    const/4 v0, -0x1
    return v0
.end method


.method private ended()V
    .registers 3

    const/4 v0, 0x0
    iput-boolean v0, p0, Lcom/pelorin/player/Transport;->playing:Z
    iget-object v0, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    const/4 v1, 0x0
    invoke-virtual {v0, v1}, Lcom/pelorin/player/PlaybackService;->stoppedPlaying(Z)V
    const-string v1, "ended"
    invoke-virtual {v0, v1}, Lcom/pelorin/player/PlaybackService;->changed(Ljava/lang/String;)V

    return-void
.end method


# A song the listener chose: with shuffle on, the order starts again from it.
.method public select(I)V
    .registers 4

    if-ltz p1, :no_song
    iget-object v0, p0, Lcom/pelorin/player/Transport;->catalogue:Lcom/pelorin/player/Catalogue;
    invoke-virtual {v0}, Lcom/pelorin/player/Catalogue;->count()I
    move-result v0
    if-ge p1, v0, :no_song

    const/4 v0, 0x0
    iput v0, p0, Lcom/pelorin/player/Transport;->failures:I
    iget-object v0, p0, Lcom/pelorin/player/Transport;->playlist:Lcom/pelorin/player/Playlist;
    invoke-virtual {v0}, Lcom/pelorin/player/Playlist;->isShuffle()Z
    move-result v1
    if-eqz v1, :in_order
    invoke-virtual {v0, p1}, Lcom/pelorin/player/Playlist;->reshuffle(I)V
    :in_order
    invoke-direct {p0, p1}, Lcom/pelorin/player/Transport;->play(I)V

    :no_song
    return-void
.end method


# Nothing chosen: the first playable song; not loaded: the current one again.
.method public resume()V
    .registers 3

    iget-boolean v0, p0, Lcom/pelorin/player/Transport;->playing:Z
    if-nez v0, :done
    const/4 v0, 0x0
    iput v0, p0, Lcom/pelorin/player/Transport;->failures:I

    iget-boolean v0, p0, Lcom/pelorin/player/Transport;->prepared:Z
    if-eqz v0, :not_loaded
    invoke-direct {p0}, Lcom/pelorin/player/Transport;->start()V
    iget-object v0, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    const-string v1, "playing"
    invoke-virtual {v0, v1}, Lcom/pelorin/player/PlaybackService;->changed(Ljava/lang/String;)V
    return-void

    :not_loaded
    iget v0, p0, Lcom/pelorin/player/Transport;->current:I
    if-gez v0, :chosen
    iget-object v0, p0, Lcom/pelorin/player/Transport;->catalogue:Lcom/pelorin/player/Catalogue;
    invoke-virtual {v0}, Lcom/pelorin/player/Catalogue;->count()I
    move-result v0
    if-eqz v0, :done
    iget-object v0, p0, Lcom/pelorin/player/Transport;->playlist:Lcom/pelorin/player/Playlist;
    invoke-virtual {v0}, Lcom/pelorin/player/Playlist;->first()I
    move-result v0
    :chosen
    invoke-direct {p0, v0}, Lcom/pelorin/player/Transport;->play(I)V

    :done
    return-void
.end method


# keepFocus: a transient loss of focus, which gives it back later.
.method public pause(Z)V
    .registers 4

    iget-boolean v0, p0, Lcom/pelorin/player/Transport;->playing:Z
    if-eqz v0, :done
    iget-object v0, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v0}, Landroid/media/MediaPlayer;->pause()V
    const/4 v0, 0x0
    iput-boolean v0, p0, Lcom/pelorin/player/Transport;->playing:Z
    iget-object v0, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {v0, p1}, Lcom/pelorin/player/PlaybackService;->stoppedPlaying(Z)V
    const-string v1, "paused"
    invoke-virtual {v0, v1}, Lcom/pelorin/player/PlaybackService;->changed(Ljava/lang/String;)V

    :done
    return-void
.end method


.method public seek(I)V
    .registers 4

    iget-boolean v0, p0, Lcom/pelorin/player/Transport;->prepared:Z
    if-eqz v0, :done
    iget-object v0, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v0, p1}, Landroid/media/MediaPlayer;->seekTo(I)V
    iget-object v0, p0, Lcom/pelorin/player/Transport;->service:Lcom/pelorin/player/PlaybackService;
    const/4 v1, 0x0
    invoke-virtual {v0, v1}, Lcom/pelorin/player/PlaybackService;->changed(Ljava/lang/String;)V

    :done
    return-void
.end method


# dir 1: the next song; -1: the previous one, or the start of this one when
# more than 3 s of it have played.
.method public skip(I)V
    .registers 5

    if-gez p1, :step
    invoke-virtual {p0}, Lcom/pelorin/player/Transport;->position()I
    move-result v0
    const/16 v1, 0xbb8
    if-le v0, v1, :step
    const/4 v0, 0x0
    invoke-virtual {p0, v0}, Lcom/pelorin/player/Transport;->seek(I)V
    return-void

    :step
    const/4 v0, 0x0
    iput v0, p0, Lcom/pelorin/player/Transport;->failures:I
    iget-object v0, p0, Lcom/pelorin/player/Transport;->playlist:Lcom/pelorin/player/Playlist;
    iget v1, p0, Lcom/pelorin/player/Transport;->current:I
    const/4 v2, 0x0
    invoke-virtual {v0, v1, p1, v2}, Lcom/pelorin/player/Playlist;->step(IIZ)I
    move-result v0
    if-ltz v0, :none
    invoke-direct {p0, v0}, Lcom/pelorin/player/Transport;->play(I)V

    :none
    return-void
.end method


# The song played to its end.
.method public completed()V
    .registers 5

    const/4 v0, 0x0
    iput v0, p0, Lcom/pelorin/player/Transport;->failures:I
    iget v1, p0, Lcom/pelorin/player/Transport;->current:I
    iget-object v2, p0, Lcom/pelorin/player/Transport;->playlist:Lcom/pelorin/player/Playlist;
    invoke-virtual {v2}, Lcom/pelorin/player/Playlist;->isRepeatOne()Z
    move-result v3
    if-nez v3, :again

    const/4 v3, 0x1
    invoke-virtual {v2, v1, v3, v3}, Lcom/pelorin/player/Playlist;->step(IIZ)I
    move-result v1
    if-gez v1, :again
    invoke-direct {p0}, Lcom/pelorin/player/Transport;->ended()V
    return-void

    :again
    invoke-direct {p0, v1}, Lcom/pelorin/player/Transport;->play(I)V

    return-void
.end method


# The player failed while playing; it is unusable until the next song resets it.
.method public failedWhilePlaying()V
    .registers 3

    const/4 v0, 0x0
    iput-boolean v0, p0, Lcom/pelorin/player/Transport;->prepared:Z
    iget v0, p0, Lcom/pelorin/player/Transport;->current:I
    invoke-direct {p0, v0}, Lcom/pelorin/player/Transport;->afterFailure(I)I
    move-result v0
    if-ltz v0, :stop
    invoke-direct {p0, v0}, Lcom/pelorin/player/Transport;->play(I)V

    :stop
    return-void
.end method


# The saved place of the last run, loaded paused.
.method public restore(II)V
    .registers 4

    iput p1, p0, Lcom/pelorin/player/Transport;->current:I
    invoke-direct {p0, p1}, Lcom/pelorin/player/Transport;->open(I)Z
    move-result v0
    if-eqz v0, :unplayable
    iget-object v0, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v0, p2}, Landroid/media/MediaPlayer;->seekTo(I)V

    :unplayable
    return-void
.end method


# Ducking: the volume of both channels, 0.0 to 1.0.
.method public setVolume(F)V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/Transport;->player:Landroid/media/MediaPlayer;
    invoke-virtual {v0, p1, p1}, Landroid/media/MediaPlayer;->setVolume(FF)V

    return-void
.end method


# The state as the page reads it (see PlaybackService.stateJson).
.method public describe(Ljava/lang/String;I)Ljava/lang/String;
    .registers 6

    new-instance v0, Ljava/lang/StringBuilder;
    const-string v1, "{\"index\":"
    invoke-direct {v0, v1}, Ljava/lang/StringBuilder;-><init>(Ljava/lang/String;)V
    iget v1, p0, Lcom/pelorin/player/Transport;->current:I
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(I)Ljava/lang/StringBuilder;
    const-string v1, ",\"playing\":"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    iget-boolean v1, p0, Lcom/pelorin/player/Transport;->playing:Z
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Z)Ljava/lang/StringBuilder;
    const-string v1, ",\"position\":"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    invoke-virtual {p0}, Lcom/pelorin/player/Transport;->position()I
    move-result v1
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(I)Ljava/lang/StringBuilder;
    const-string v1, ",\"duration\":"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    invoke-virtual {p0}, Lcom/pelorin/player/Transport;->duration()I
    move-result v1
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(I)Ljava/lang/StringBuilder;
    const-string v1, ",\"repeat\":\""
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    iget-object v2, p0, Lcom/pelorin/player/Transport;->playlist:Lcom/pelorin/player/Playlist;
    invoke-virtual {v2}, Lcom/pelorin/player/Playlist;->repeatName()Ljava/lang/String;
    move-result-object v1
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    const-string v1, "\",\"shuffle\":"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    invoke-virtual {v2}, Lcom/pelorin/player/Playlist;->isShuffle()Z
    move-result v1
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Z)Ljava/lang/StringBuilder;

    if-eqz p1, :no_event
    const-string v1, ",\"event\":\""
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    invoke-virtual {v0, p1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    const-string v1, "\""
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    :no_event
    if-ltz p2, :no_failure
    const-string v1, ",\"failed\":"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    invoke-virtual {v0, p2}, Ljava/lang/StringBuilder;->append(I)Ljava/lang/StringBuilder;
    :no_failure
    const-string v1, "}"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;

    invoke-virtual {v0}, Ljava/lang/StringBuilder;->toString()Ljava/lang/String;
    move-result-object v0
    return-object v0
.end method
